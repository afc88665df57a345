#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

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

}  // namespace brivolo
