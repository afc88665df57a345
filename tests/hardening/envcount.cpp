// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "envcount.h"

#include <cstdlib>

namespace brivolo::hardening {

long countFromEnvironment(const char* name, long fallback) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const long parsed = std::strtol(value, &end, 10);
    return (*end == '\0' && parsed > 0) ? parsed : fallback;
}

}  // namespace brivolo::hardening
