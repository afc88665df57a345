// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "runtimeerror.h"

#include <cstdio>
#include <cstdlib>

namespace brivolo {

void exitWithRunTimeError(const std::string& message) {
    std::fprintf(stderr, "brivolo: %s\n", message.c_str());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace brivolo
