// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

namespace brivolo {

// What the handlers ask of the windowing toolkit beyond setting control properties.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Queue one Tab keystroke to the window; the toolkit moves the focus after the
    // running handler has returned.
    virtual void queueTab() = 0;
    // Close the window and end the program at once.
    virtual void endProgram() = 0;
};

}  // namespace brivolo
