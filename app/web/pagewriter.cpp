// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Build-time tool, run under Node.js: starts the window as the program does (Load included)
// and writes the one-file page with the window as it then stands, its program and its face.
//
//     brivolo-pagewriter SHELL.html PROGRAM.js FACE.ttf FACE.woff2 DRAWINGS_DIR OUTPUT.html
//
// PROGRAM.js is the program's runtime; its compiled code, PROGRAM.wasm, lies beside it.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
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

std::string base64(std::string_view bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            group |= static_cast<unsigned char>(bytes[i + 2]);
        for (std::size_t k = 0; k < 4; ++k) {
            out += i + k <= bytes.size() ? kDigits[(group >> (18 - 6 * k)) & 63] : '=';
        }
    }
    return out;
}

// Big-endian integers of an OpenType file.
int readInt(const std::string& font, std::size_t at, int bytes, bool isSigned) {
    if (at + bytes > font.size()) {
        throw std::runtime_error("the face is cut short");
    }
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = value << 8 | static_cast<unsigned char>(font[at + i]);
    }
    if (isSigned && bytes == 2) {
        return static_cast<std::int16_t>(value);
    }
    return static_cast<int>(value);
}

std::size_t findTable(const std::string& font, std::string_view tag) {
    const int tables = readInt(font, 4, 2, false);
    for (int i = 0; i < tables; ++i) {
        const std::size_t record = 12 + 16 * static_cast<std::size_t>(i);
        if (font.compare(record, 4, tag) == 0) {
            return static_cast<std::size_t>(readInt(font, record + 8, 4, false));
        }
    }
    throw std::runtime_error("the face has no " + std::string(tag) + " table");
}

// The face's typographic metrics, which its lines are set by (the face asks for them).
FaceMetrics faceMetrics(const std::string& font) {
    const double unitsPerEm = readInt(font, findTable(font, "head") + 18, 2, false);
    const std::size_t os2 = findTable(font, "OS/2");
    return {readInt(font, os2 + 68, 2, true) / unitsPerEm,
            -readInt(font, os2 + 70, 2, true) / unitsPerEm,
            readInt(font, os2 + 72, 2, true) / unitsPerEm};
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
    if (argc != 7) {
        std::fprintf(stderr,
                     "usage: %s SHELL.html PROGRAM.js FACE.ttf FACE.woff2 DRAWINGS_DIR OUT.html\n",
                     argv[0]);
        return 2;
    }
    try {
        TimeSeededRandom random;
        NoHost host;
        Form1 form(random, host);
        form.load();

        const std::string drawings = argv[5];
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
            faceMetrics(readFile(argv[3])));

        const std::string runtime = readFile(argv[2]);
        const std::string pictures = markup.pictures();
        for (const std::string* script : {&runtime, &pictures}) {
            if (script->find("</script") != std::string::npos) {
                throw std::runtime_error("a script would end its <script> element early");
            }
        }
        const std::pair<std::string_view, std::string> values[] = {
            {"@TITLE@", markup.title()},
            {"@CAPTION@", markup.caption()},
            {"@STAGE_ATTRIBUTES@", markup.stageAttributes()},
            {"@STAGE@", markup.stage()},
            {"@DESCRIPTIONS@", markup.descriptions()},
            {"@PICTURES@", pictures},
            {"@FACE@", base64(readFile(argv[4]))},
            {"@FACE_ASCENT@", markup.faceAscent()},
            {"@FACE_DESCENT@", markup.faceDescent()},
            {"@HAND@", markup.handCursor()},
            {"@RUNTIME@", runtime},
            {"@PROGRAM@",
             base64(readFile(std::filesystem::path(argv[2]).replace_extension(".wasm")))},
        };
        // One pass over the shell, so that no value is searched for placeholders again.
        const std::string shell = readFile(argv[1]);
        std::string page;
        for (std::size_t at = 0; at < shell.size();) {
            const std::size_t mark = shell.find('@', at);
            bool replaced = false;
            if (mark != std::string::npos) {
                for (const auto& [name, value] : values) {
                    if (shell.compare(mark, name.size(), name) == 0) {
                        page.append(shell, at, mark - at).append(value);
                        at = mark + name.size();
                        replaced = true;
                        break;
                    }
                }
            }
            if (!replaced) {
                const std::size_t end = mark == std::string::npos ? shell.size() : mark + 1;
                page.append(shell, at, end - at);
                at = end;
            }
        }
        std::ofstream out(argv[6], std::ios::binary);
        out << page;
        if (!out) {
            throw std::runtime_error(std::string(argv[6]) + ": cannot be written");
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
