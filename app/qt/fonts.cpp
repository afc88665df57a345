// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#if BRIVOLO_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace brivolo {

std::future<void> readFontConfiguration() {
#if BRIVOLO_FONTCONFIG
    // Loading the configuration is fontconfig's own first step for the toolkit's font
    // database; once it is loaded, the toolkit's call finds it and returns at once.
    return std::async(std::launch::async, [] { FcInit(); });
#else
    return std::async(std::launch::deferred, [] {});
#endif
}

std::future<void> listInstalledFonts() {
    return std::async(std::launch::async, [] { QFontDatabase::families(); });
}

// Added whether or not Tahoma is installed: asking would make fontconfig list every installed
// font first, and the face is the same Tahoma Bold either way.
void loadGameFonts() {
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tahomabd.ttf"));
}

QFont gameFont(FontSize size) {
    QFont font(QStringLiteral("Tahoma"));
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setPixelSize(pixelSize(size));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

int baselineCorrection(const QFont& font) {
    const int designed = static_cast<int>(font.pixelSize() * kFontAscent + 0.5);
    return std::max(0, designed - QFontMetrics(font).ascent());
}

}  // namespace brivolo
