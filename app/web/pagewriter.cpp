// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Build-time tool, run under Node.js: starts the window as the program does (Load included)
// and writes what the page shows of the window as it then stands, as one JSON object of the
// page template's values. The face's metrics (in ems) set the texts' lines as the page will.
//
//     brivolo-pagewriter DRAWINGS_DIR ASCENT DESCENT LINE_GAP OUT.json
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>

#include "app/form1.h"
#include "game/randomsource.h"
#include "pagemarkup.h"

using namespace brivolo;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error(path + ": cannot be read");
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The drawings without their comments and XML declarations, which the page need not carry.
std::string drawing(const std::string& directory, std::string_view file) {
    std::string text = readFile(directory + "/" + std::string(file));
    for (const auto& [open, close] :
         {std::pair<std::string_view, std::string_view>{"<!--", "-->"}, {"<?xml", "?>"}}) {
        for (std::size_t at; (at = text.find(open)) != std::string::npos;) {
            const std::size_t end = text.find(close, at);
            text.erase(at, end == std::string::npos ? std::string::npos : end + close.size() - at);
        }
    }
    // White space once where it separates, none between elements.
    std::string compact;
    bool blank = false;
    for (const char c : text) {
        const bool space = c == ' ' || c == '\n' || c == '\t' || c == '\r';
        if (space) {
            blank = true;
            continue;
        }
        if (blank && !compact.empty() && compact.back() != '>' && c != '<') {
            compact += ' ';
        }
        compact += c;
        blank = false;
    }
    return compact;
}

// A JSON string; the text is UTF-8 and stays so.
std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

class NoHost : public WindowHost {
public:
    void queueTab() override {}
    void endProgram() override {}
    void endWithRunTimeError(const std::string& message) override {
        throw std::runtime_error(message);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s DRAWINGS_DIR ASCENT DESCENT LINE_GAP OUT.json\n", argv[0]);
        return 2;
    }
    try {
        TimeSeededRandom random;
        NoHost host;
        Form1 form(random, host);
        form.load();

        const std::string drawings = argv[1];
        std::map<std::string, std::string, std::less<>> read;
        const PageMarkup markup(
            form,
            [&](std::string_view file) -> std::string_view {
                auto found = read.find(file);
                if (found == read.end()) {
                    found = read.emplace(std::string(file), drawing(drawings, file)).first;
                }
                return found->second;
            },
            {std::stod(argv[2]), std::stod(argv[3]), std::stod(argv[4])});

        const std::pair<std::string_view, std::string> values[] = {
            {"TITLE", markup.title()},
            {"CAPTION", markup.caption()},
            {"COLOUR", PageMarkup::background()},
            {"STAGE_ATTRIBUTES", markup.stageAttributes()},
            {"STAGE", markup.stage()},
            {"DESCRIPTIONS", markup.descriptions()},
            {"PICTURES", markup.pictures()},
            {"HAND", markup.handCursor()},
        };
        std::string json = "{";
        for (const auto& [name, value] : values) {
            json += (json.size() > 1 ? ",\n" : "\n") + jsonString(name) + ": " + jsonString(value);
        }
        std::ofstream out(argv[5], std::ios::binary);
        out << json << "\n}\n";
        if (!out) {
            throw std::runtime_error(std::string(argv[5]) + ": cannot be written");
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
