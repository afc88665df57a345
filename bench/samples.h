// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

namespace brivolo::bench {

// Timings of one kind, in milliseconds, summarised as the benchmarks print them.
class Samples {
public:
    void add(double ms) { values_.push_back(ms); }
    bool empty() const { return values_.empty(); }
    std::size_t count() const { return values_.size(); }
    double first() const { return values_.empty() ? 0.0 : values_.front(); }
    double quantile(double q) const {
        if (values_.empty()) {
            return 0.0;
        }
        std::vector<double> sorted = values_;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::size_t(q * double(sorted.size() - 1) + 0.5)];
    }
    double median() const { return quantile(0.5); }

private:
    std::vector<double> values_;
};

}  // namespace brivolo::bench
