// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QFont>
#include <future>

#include "app/layout.h"

namespace brivolo {

// Starts reading the system's font configuration on a second thread, so that it overlaps the
// start of the toolkit, which does not use fonts. Wait for it before the first font is used.
std::future<void> readFontConfiguration();

// Has the toolkit list the installed fonts, which it does once before the first font is used,
// on a second thread while the program goes on with what needs no font. Call it after
// loadGameFonts() (adding a face empties the list) and wait for it before any font is used.
std::future<void> listInstalledFonts();

// Makes the built-in Tahoma-compatible bold face available, so that the window looks the same
// whether or not Tahoma is installed.
void loadGameFonts();

// Tahoma Bold at the layout's size, in pixels as designed at 96 dpi, whatever the screen's dpi.
QFont gameFont(FontSize size);

// How far to lower text set in `font` so that its first baseline falls where Tahoma's would:
// a substitute face with a smaller ascent would otherwise sit too high and clip its accents.
int baselineCorrection(const QFont& font);

}  // namespace brivolo
