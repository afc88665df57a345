// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The browser program: the window object behind the page's elements, and the functions the
// page's script calls with the user's events.
#include <emscripten.h>

#include <exception>
#include <string>

#include "app/form1.h"
#include "game/randomsource.h"
#include "webpage.h"

namespace {

brivolo::TimeSeededRandom random;
brivolo::WebPage page;
brivolo::Form1 form(random, page);

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

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void brivolo_click(int index) {
    guarded([&] { page.click(index); });
}
EMSCRIPTEN_KEEPALIVE int brivolo_key_down(int index, int shift, int control, int alt, int meta,
                                          const char* key) {
    return guarded([&] { return page.keyDown(index, modifiers(shift, control, alt, meta), key); });
}
EMSCRIPTEN_KEEPALIVE void brivolo_input(int index, const char* inputType, const char* data,
                                        int keyDown) {
    guarded([&] { page.input(index, inputType, data, keyDown != 0); });
}
EMSCRIPTEN_KEEPALIVE void brivolo_text_edited(int index, const char* text) {
    guarded([&] { page.textEdited(index, text); });
}
EMSCRIPTEN_KEEPALIVE void brivolo_key_up(int index, int keyCode, int shift, int control, int alt,
                                         int meta) {
    guarded([&] { page.keyUp(index, keyCode, modifiers(shift, control, alt, meta)); });
}
EMSCRIPTEN_KEEPALIVE void brivolo_focus(int index) {
    guarded([&] { page.focused(index); });
}

}  // extern "C"

int main() {
    form.load();
    page.attach(form);
    return 0;
}
