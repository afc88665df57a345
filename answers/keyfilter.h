// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include "app/keystroke.h"

namespace brivolo {

// Lets through Backspace and the digits "0" to "9"; any other character code becomes 0,
// which discards the character before it reaches the box.
constexpr void filterAnswerKey(short& characterCode) {
    const bool passes =
        characterCode == kBackspace || (characterCode >= '0' && characterCode <= '9');
    if (!passes) {
        characterCode = 0;
    }
}

}  // namespace brivolo
