// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "shownoperation.h"

#include "app/form1.h"

namespace brivolo::test {

int shownResult(const Form1& form) {
    const int first = std::stoi(form.label(1).caption());
    const int second = std::stoi(form.label(3).caption());
    return form.label(2).caption() == "-" ? first - second : first + second;
}

int shownTotal(const Form1& form) {
    int total = 0;
    for (const int square : {5, 7, 9}) {
        total += std::stoi(form.label(square).caption());
    }
    return total;
}

std::string wrongOfSameLength(const std::string& right, int step) {
    std::string wrong = right;
    char& last = wrong.back();
    last = static_cast<char>('0' + (last - '0' + step) % 10);
    return wrong;
}

}  // namespace brivolo::test
