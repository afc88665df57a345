// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <string>
#include <vector>

#include "app/windowhost.h"

namespace brivolo::test {

// Records the host calls; Harness carries each queued Tab out once the handler has returned.
class RecordingHost : public WindowHost {
public:
    void queueTab() override { ++tabsQueued; }
    void endProgram() override { ++endRequests; }
    void endWithRunTimeError(const std::string& message) override {
        runTimeErrors.push_back(message);
    }
    int tabsQueued = 0;
    int endRequests = 0;
    std::vector<std::string> runTimeErrors;
};

}  // namespace brivolo::test
