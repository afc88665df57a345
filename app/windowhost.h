// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <string>
#include <string_view>

namespace brivolo {

// How the message of a handler that failed begins; the failure's own words follow.
inline constexpr std::string_view kRunTimeError = "errore di run-time: ";

// What the handlers ask of the windowing toolkit beyond setting control properties.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Queue one Tab keystroke to the window; the toolkit moves the focus after the
    // running handler has returned.
    virtual void queueTab() = 0;
    // Close the window and end the program at once.
    virtual void endProgram() = 0;
    // End the program at once because a handler failed (an index out of its array's bounds):
    // no handler traps its own errors. `message` is kRunTimeError and what failed.
    virtual void endWithRunTimeError(const std::string& message) = 0;
};

}  // namespace brivolo
