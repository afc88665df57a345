// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <exception>

namespace brivolo {

// Runs a notification handler of the window object. A handler that fails (an index out of
// its array) ends the program with a message, as no handler traps its own errors; the
// exception must not travel through the toolkit's event loop.
void reportFatalError(const std::exception& error);

template <typename Handler>
void dispatch(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        reportFatalError(error);
    }
}

}  // namespace brivolo
