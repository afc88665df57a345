// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <string_view>

namespace brivolo {

// The text of an SVG file of app/assets, built into the page; empty for an unknown file.
std::string_view drawingText(std::string_view file);

}  // namespace brivolo
