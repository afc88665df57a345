#pragma once

#include <QFont>

#include "app/layout.h"

namespace brivolo {

// Makes the built-in Tahoma-compatible bold face available where Tahoma is not installed.
void loadGameFonts();

// Tahoma Bold at the layout's size, in pixels as designed at 96 dpi, whatever the screen's dpi.
QFont gameFont(FontSize size);

// How far to lower text set in `font` so that its first baseline falls where Tahoma's would:
// a substitute face with a smaller ascent would otherwise sit too high and clip its accents.
int baselineCorrection(const QFont& font);

}  // namespace brivolo
