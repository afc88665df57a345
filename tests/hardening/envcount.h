// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

namespace brivolo::hardening {

// A positive whole number from the environment variable `name`, or `fallback` when it is
// unset or not such a number.
long countFromEnvironment(const char* name, long fallback);

}  // namespace brivolo::hardening
