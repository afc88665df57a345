// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The browser program: the window object behind the page's elements, and the functions the
// page's script calls with the user's events.
#include <emscripten.h>

#include <cstddef>
#include <string>

#include "app/form1.h"
#include "game/randomsource.h"
#include "webpage.h"

namespace {

brivolo::TimeSeededRandom random;
brivolo::WebPage page;
brivolo::Form1 form(random, page);
std::string incoming;  // text the page hands over

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void brivolo_click(int index) {
    page.click(index);
}
EMSCRIPTEN_KEEPALIVE int brivolo_key_press(int index, int characterCode) {
    return page.keyPress(index, static_cast<short>(characterCode));
}
EMSCRIPTEN_KEEPALIVE void brivolo_key_up(int index, int keyCode, int shift) {
    page.keyUp(index, keyCode, shift);
}
EMSCRIPTEN_KEEPALIVE void brivolo_got_focus(int index) {
    page.gotFocus(index);
}
// Room for `size` bytes of UTF-8 that the page writes, then hands over with brivolo_text_edited.
EMSCRIPTEN_KEEPALIVE char* brivolo_text_buffer(int size) {
    incoming.assign(static_cast<std::size_t>(size), '\0');
    return incoming.data();
}
EMSCRIPTEN_KEEPALIVE void brivolo_text_edited(int index) {
    page.textEdited(index, incoming);
}

}  // extern "C"

int main() {
    page.attach(form);
    form.load();
    page.show();
    return 0;
}
