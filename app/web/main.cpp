// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The browser program: the window object behind the page's elements, and the functions the
// page's script calls with the user's events.
#include <emscripten.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

#include "app/form1.h"
#include "game/randomsource.h"
#include "webpage.h"

namespace {

// The window after Load and the page's view of it. None of it needs the browser: the build runs
// this constructor and the page's code starts from the memory it leaves.
struct Program {
    brivolo::TimeSeededRandom random;
    brivolo::WebPage page;
    brivolo::Form1 form{random, page};

    Program() {
        form.load();
        page.attach(form);
    }
};
Program program;
brivolo::WebPage& page = program.page;

// A call the page cannot make right (a control that is not there) ends the program as a
// failing handler does; the exception must not travel into the page's script.
template <typename Call>
auto guarded(Call call) -> decltype(call()) {
    try {
        return call();
    } catch (const std::exception& error) {
        page.endWithRunTimeError(std::string(brivolo::kRunTimeError) + error.what());
    }
    return decltype(call())();
}

brivolo::Modifiers modifiers(int shift, int control, int alt, int meta) {
    return {shift != 0, control != 0, alt != 0, meta != 0};
}

// A string the page wrote for the call into memory from _malloc, which the program frees once
// the call is over: user text may be far too long for the stack.
template <typename Char>
class FromPage {
public:
    explicit FromPage(Char* text) : text_(text) {}
    // UTF-16, `length` units.
    std::basic_string_view<Char> view(int length) const {
        return {text_.get(), static_cast<std::size_t>(length)};
    }
    // NUL-terminated UTF-8.
    std::basic_string_view<Char> view() const { return text_.get(); }

private:
    struct Free {
        void operator()(Char* text) const { std::free(text); }
    };
    std::unique_ptr<Char, Free> text_;
};

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void brivolo_click(int index) {
    guarded([&] { page.click(index); });
}
EMSCRIPTEN_KEEPALIVE int brivolo_key_down(int index, int shift, int control, int alt, int meta,
                                          char16_t* key, int keyLength) {
    const FromPage name(key);
    return guarded([&] {
        return page.keyDown(index, modifiers(shift, control, alt, meta), name.view(keyLength));
    });
}
EMSCRIPTEN_KEEPALIVE void brivolo_input(int index, char* inputType, char16_t* data, int dataLength,
                                        int keyDown) {
    const FromPage type(inputType);
    const FromPage text(data);
    guarded([&] { page.input(index, type.view(), text.view(dataLength), keyDown != 0); });
}
EMSCRIPTEN_KEEPALIVE void brivolo_text_edited(int index, char* text) {
    const FromPage edited(text);
    guarded([&] { page.textEdited(index, std::string(edited.view())); });
}
EMSCRIPTEN_KEEPALIVE void brivolo_key_up(int index, int keyCode, int shift, int control, int alt,
                                         int meta) {
    guarded([&] { page.keyUp(index, keyCode, modifiers(shift, control, alt, meta)); });
}
EMSCRIPTEN_KEEPALIVE void brivolo_focus(int index) {
    guarded([&] { page.focused(index); });
}

#ifdef BRIVOLO_WEB_FAULT
// Test builds only: a handler fails as a real fault would, delivered by the window object as
// the release of a key in the first box that takes keys, with an addition index past its array.
EMSCRIPTEN_KEEPALIVE void brivolo_fault() {
    guarded([] {
        if (brivolo::TextBox* box = program.form.nextTabStop(nullptr)) {
            program.form.state().caso = 1;
            program.form.state().add = 11;
            page.keyUp(page.indexOf(*box), 0, {});
        }
    });
}
#endif

}  // extern "C"

#ifdef BRIVOLO_WEB_FAULT
// clang-format off
EM_JS(void, exposeFault, (), { globalThis.brivoloFault = () => _brivolo_fault(); });
// clang-format on
#endif

int main() {
    page.takeOver();
#ifdef BRIVOLO_WEB_FAULT
    exposeFault();
#endif
    return 0;
}
