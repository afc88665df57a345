// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "scriptedrandom.h"

namespace brivolo::test {

double ScriptedRandom::next() {
    ++taken;
    if (!queue_.empty()) {
        const double r = queue_.front();
        queue_.pop_front();
        return r;
    }
    return unitInterval(engine_());
}

void ScriptedRandom::scriptPredictableGame() {
    std::vector<double> numbers;
    for (int a = 0; a < 10; ++a) numbers.push_back((a + 0.5) / 20);
    for (int a = 0; a < 10; ++a) numbers.push_back(1.5 / (20 - a));
    for (int m = 11; m <= 20; ++m) numbers.push_back((m - 0.5) / 20);
    for (int k = 0; k < 10; ++k) numbers.push_back(1.5 / 20);
    for (int k = 0; k < 20; ++k) numbers.push_back(k % 2 == 0 ? 0.25 : 0.75);
    script(numbers);
}

void ScriptedRandom::scriptFirstOperations(int a, int b, int m, int t,
                                           std::initializer_list<bool> kinds) {
    std::vector<double> numbers;
    auto whole = [](int value, double scale, int offset = 0) {
        return (value - offset + 0.5) / scale;
    };
    std::vector<int> firsts{a}, minuends{m};
    for (int v = 0; firsts.size() < 10; ++v) {
        if (v != a)
            firsts.push_back(v);
    }
    for (int v = 1; minuends.size() < 10; ++v) {
        if (v != m)
            minuends.push_back(v);
    }
    for (int v : firsts) numbers.push_back(whole(v, 20));
    numbers.push_back(whole(b, 20 - a));
    numbers.insert(numbers.end(), 9, 0.0);
    for (int v : minuends) numbers.push_back(whole(v, 20, 1));
    numbers.push_back(whole(t, 20));
    numbers.insert(numbers.end(), 9, 0.0);
    for (bool addition : kinds) numbers.push_back(addition ? 0.25 : 0.75);
    script(numbers);
}

}  // namespace brivolo::test
