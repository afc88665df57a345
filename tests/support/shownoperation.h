// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <string>

namespace brivolo {
class Form1;
}

namespace brivolo::test {

// What a child reads off the window: the result of the operation in the balloon (Label1, the
// sign in Label2, Label3), and the total of the three score squares.
int shownResult(const Form1& form);
int shownTotal(const Form1& form);

// Another number with as many digits as `right`, so that it is judged wrong: its last digit
// moved on by `step` (1 to 9).
std::string wrongOfSameLength(const std::string& right, int step = 1);

}  // namespace brivolo::test
