// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "dispatch.h"

#include <cstdio>
#include <cstdlib>

namespace brivolo {

void reportFatalError(const std::exception& error) {
    std::fprintf(stderr, "brivolo: errore di run-time: %s\n", error.what());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace brivolo
