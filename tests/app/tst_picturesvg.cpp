// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The picture documents a front end draws: recoloured, layered and cut as the asset table says.
#include <QTest>
#include <map>

#include "app/picturesvg.h"

using namespace brivolo;

namespace {

const std::map<std::string_view, std::string_view> kFiles{
    {"cone.svg",
     "<?xml version=\"1.0\"?>\n<!-- a cone -->\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
     "width=\"97\" height=\"185\" viewBox=\"0 0 97 185\"><path fill=\"#33cc33\" "
     "stroke=\"#1f8f1f\"/><path fill=\"#33cc33\"/></svg>"},
    {"fish.svg",
     "<svg width=\"200\" height=\"185\" viewBox=\"0 0 200 185\"><g id=\"base\"/></svg>"},
    {"fish-happy.svg",
     "<svg width=\"200\" height=\"185\" viewBox=\"0 0 200 185\"><g id=\"mood\"/></svg>"},
    {"sun.svg",
     "<svg width=\"218\" height=\"217\" viewBox=\"0 0 218 217\"><circle r=\"9\"/></svg>"},
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
                            "preserveAspectRatio=\"none\">"));
        QVERIFY(svg.ends_with("</svg></svg>"));
        // The drawing keeps its view box and takes the picture's area, whatever it said.
        QCOMPARE(count(svg,
                       "viewBox=\"0 0 97 185\" width=\"97\" height=\"185\" "
                       "preserveAspectRatio=\"none\">"),
                 1);
        QCOMPARE(count(svg, "<?xml"), 0);
        QCOMPARE(count(svg, "#33cc33"), 2);
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
        QCOMPARE(count(fish, "width=\"200\" height=\"185\" preserveAspectRatio=\"none\">"), 2);
    }

    void settingSunsShowTheTopOfTheSun() {
        // Shorter than the sun: the sun keeps its height and runs past the bottom.
        const std::string low = picture(Asset::SunSetting3);
        QVERIFY(
            low.starts_with("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"218\" "
                            "height=\"160\""));
        QCOMPARE(count(low, "width=\"218\" height=\"217\" preserveAspectRatio=\"none\">"), 1);
        QCOMPARE(count(low, "<rect width=\"218\" height=\"160\"/>"), 1);
        // As tall as the sun: only the rows down to the last drawn one are kept.
        const std::string high = picture(Asset::SunSetting1);
        QCOMPARE(count(high, "<rect width=\"218\" height=\"178\"/>"), 1);
        QCOMPARE(count(high, "clip-path=\"url(#"), 1);
        QCOMPARE(count(picture(Asset::Sun), "clip"), 0);
    }
};

QTEST_MAIN(PictureSvgTest)
#include "tst_picturesvg.moc"
