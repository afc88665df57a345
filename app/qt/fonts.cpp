#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace brivolo {

void loadGameFonts() {
    if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tahomabd.ttf"));
    }
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
