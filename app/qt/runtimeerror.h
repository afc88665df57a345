// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <string>

namespace brivolo {

// Ends the process at once with a failure status, after writing the run-time error's message
// to the standard error; the exception that caused it must not travel through the toolkit's
// event loop, and nothing is left to save.
[[noreturn]] void exitWithRunTimeError(const std::string& message);

}  // namespace brivolo
