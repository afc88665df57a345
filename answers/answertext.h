// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <cstddef>
#include <string_view>

namespace brivolo {

// Number of characters (not bytes) of a UTF-8 text.
std::size_t characterCount(std::string_view text);

// A text of digits read as its decimal value; the empty text reads as 0. A text that is
// not all digits reads by its leading digits.
double decimalValue(std::string_view text);

}  // namespace brivolo
