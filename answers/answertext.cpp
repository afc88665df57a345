// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "answertext.h"

namespace brivolo {

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

double decimalValue(std::string_view text) {
    double value = 0.0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10.0 + (c - '0');
    }
    return value;
}

}  // namespace brivolo
