// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The picture documents a front end draws: recoloured, layered and cut as the asset table says.
#include <QTest>
#include <map>

#include "app/picturesvg.h"

using namespace brivolo;

namespace {

// The fish and the sun are drawn at half the picture's size, the fish from an offset origin.
const std::map<std::string_view, std::string_view> kFiles{
    {"cone.svg",
     "<?xml version=\"1.0\"?>\n<!-- a cone -->\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
     "width=\"97\" height=\"185\" viewBox=\"0 0 97 185\"><path fill=\"#33cc33\" "
     "stroke=\"#1f8f1f\"/><path fill=\"#33cc33\"/></svg>"},
    {"fish.svg",
     "<svg width=\"100\" height=\"92.5\" viewBox=\"10 20 100 92.5\"><g id=\"base\"/></svg>"},
    {"fish-happy.svg",
     "<svg xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"200\" height=\"185\" "
     "viewBox=\"0 0 200 185\"><g id=\"mood\"/></svg>"},
    {"sun.svg",
     "<svg width=\"109\" height=\"108.5\" viewBox=\"0 0 109 108.5\"><circle r=\"9\"/></svg>"},
};

std::string picture(Asset asset) {
    return pictureSvg(pictureDescription(asset),
                      [](std::string_view file) { return kFiles.at(file); });
}

int count(const std::string& text, std::string_view part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

}  // namespace

class PictureSvgTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stretchesToItsRectangleFromItsOwnSize() {
        const std::string svg = picture(Asset::ConeGreen);
        QVERIFY(
            svg.starts_with("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"97\" "
                            "height=\"185\" viewBox=\"0 0 97 185\" "
                            "preserveAspectRatio=\"none\"><g><path"));
        QVERIFY(svg.ends_with("</g></svg>"));
        // One root: the drawing's own becomes a group, which takes the picture's area.
        QCOMPARE(count(svg, "<svg"), 1);
        QCOMPARE(count(svg, "transform"), 0);
        QCOMPARE(count(svg, "<?xml"), 0);
        QCOMPARE(count(svg, "#33cc33"), 2);
        // Whatever area the drawing's view box gives, it is mapped onto the picture's.
        QCOMPARE(count(picture(Asset::FishHappy),
                       "<g transform=\"scale(2 2) translate(-10 -20)\"><g id=\"base\"/></g>"),
                 1);
    }

    void variantsSwapTheirColours() {
        const std::string red = picture(Asset::ConeRed);
        QCOMPARE(count(red, "#33cc33") + count(red, "#1f8f1f"), 0);
        QCOMPARE(count(red, "#e8302a"), 2);
        QCOMPARE(count(red, "#a81c16"), 1);
        QCOMPARE(count(picture(Asset::ConeLightBlue), "#22d3f0"), 2);
    }

    void moodIsLaidOverTheBase() {
        const std::string fish = picture(Asset::FishHappy);
        const auto base = fish.find("id=\"base\"");
        const auto mood = fish.find("id=\"mood\"");
        QVERIFY(base != std::string::npos && mood != std::string::npos);
        QVERIFY(base < mood);  // later is in front
        // The overlay's group keeps what its root declared beyond its size.
        QCOMPARE(count(fish, "<g xmlns:xlink=\"http://www.w3.org/1999/xlink\"><g id=\"mood\"/>"),
                 1);
    }

    void settingSunsShowTheTopOfTheSun() {
        // Shorter than the sun: the sun keeps its height and runs past the picture's bottom,
        // where its viewport ends.
        const std::string low = picture(Asset::SunSetting3);
        QVERIFY(
            low.starts_with("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"218\" "
                            "height=\"160\" viewBox=\"0 0 218 160\""));
        QCOMPARE(count(low, "<g transform=\"scale(2 2)\"><circle"), 1);
        QCOMPARE(keptRows(pictureDescription(Asset::SunSetting3)), 160);
        // As tall as the sun: the document is the whole sun, which the front end clips to the
        // rows kept.
        QCOMPARE(picture(Asset::SunSetting1), picture(Asset::Sun));
        QCOMPARE(keptRows(pictureDescription(Asset::SunSetting1)), 178);
        QCOMPARE(keptRows(pictureDescription(Asset::Sun)), 217);
    }
};

QTEST_MAIN(PictureSvgTest)
#include "tst_picturesvg.moc"
