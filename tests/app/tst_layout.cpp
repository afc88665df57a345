// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Properties of the window's layout that a typo in the table would break.
#include <QTest>
#include <algorithm>
#include <map>
#include <set>

#include "app/form1.h"
#include "app/layout.h"
#include "app/stacking.h"
#include "support/recordinghost.h"
#include "support/scriptedrandom.h"

using namespace brivolo;

namespace {

const ControlLayout& find(ControlKind kind, int number) {
    for (const ControlLayout& entry : layout()) {
        if (entry.kind == kind && entry.number == number) {
            return entry;
        }
    }
    throw std::out_of_range(controlName(kind, number));
}

const ControlLayout& image(int n) {
    return find(ControlKind::Picture, n);
}

Rect grown(const Rect& r, int by) {
    return {r.left - by, r.top - by, r.width + 2 * by, r.height + 2 * by};
}

Rect united(std::initializer_list<Rect> rects) {
    int left = 1 << 20, top = 1 << 20, right = -(1 << 20), bottom = -(1 << 20);
    for (const Rect& r : rects) {
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right());
        bottom = std::max(bottom, r.bottom());
    }
    return {left, top, right - left, bottom - top};
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlOnceWithItsKind() {
        std::map<ControlKind, std::set<int>> numbers;
        for (const ControlLayout& entry : layout()) {
            QVERIFY2(numbers[entry.kind].insert(entry.number).second,
                     controlName(entry.kind, entry.number).c_str());
        }
        const std::map<ControlKind, int> expected{{ControlKind::Picture, 93},
                                                  {ControlKind::Label, 11},
                                                  {ControlKind::TextBox, 4},
                                                  {ControlKind::Line, 8},
                                                  {ControlKind::Shape, 4}};
        for (const auto& [kind, count] : expected) {
            QCOMPARE(int(numbers[kind].size()), count);
            QCOMPARE(*numbers[kind].begin(), 1);
            QCOMPARE(*numbers[kind].rbegin(), count);
        }
    }

    void stackRanksAreAPermutationWithTextBoxesInFront() {
        std::set<int> ranks;
        for (const ControlLayout& entry : layout()) {
            QVERIFY(ranks.insert(entry.stackRank).second);
            if (entry.kind == ControlKind::TextBox) {
                QVERIFY(entry.stackRank <= 4);
            }
        }
        QCOMPARE(int(ranks.size()), kControlCount);
        QCOMPARE(*ranks.begin(), 1);
        QCOMPARE(*ranks.rbegin(), kControlCount);
    }

    void operationBalloonFramesItsLabelsByEightPixels() {
        const Rect labels =
            united({find(ControlKind::Label, 1).rect, find(ControlKind::Label, 2).rect,
                    find(ControlKind::Label, 3).rect, find(ControlKind::Label, 4).rect});
        QCOMPARE(find(ControlKind::Shape, 1).rect, grown(labels, 8));
    }

    void answerBalloonsFrameTheirBoxesByEightPixels() {
        for (int player = 1; player <= 3; ++player) {
            QCOMPARE(find(ControlKind::Shape, player + 1).rect,
                     grown(find(ControlKind::TextBox, player).rect, 8));
        }
    }

    void pointersStartOnTheirOutlineAndMeetInsideTheirSpeaker() {
        struct Pointer {
            int shape, first, second, speaker;
        };
        for (const Pointer p :
             {Pointer{1, 1, 2, 2}, Pointer{2, 3, 4, 1}, Pointer{3, 5, 6, 1}, Pointer{4, 7, 8, 1}}) {
            const Rect outline = find(ControlKind::Shape, p.shape).rect;
            const ControlLayout& a = find(ControlKind::Line, p.first);
            const ControlLayout& b = find(ControlKind::Line, p.second);
            for (const ControlLayout* line : {&a, &b}) {
                QCOMPARE(line->from.y, outline.bottom() - 1);
                QVERIFY(line->from.x > outline.left && line->from.x < outline.right() - 1);
            }
            QVERIFY(a.from != b.from);
            QCOMPARE(a.to, b.to);
            QVERIFY(image(p.speaker).rect.contains(a.to));
        }
    }

    void answerPointersEndLeftToRightOnTheNephews() {
        const int green = find(ControlKind::Line, 3).to.x;
        const int red = find(ControlKind::Line, 5).to.x;
        const int lightBlue = find(ControlKind::Line, 7).to.x;
        QVERIFY(green < red && red < lightBlue);
    }

    void conesOverlapNeighboursAndRowsByOnePixel() {
        for (const ConeRow row : {ConeRow::Green, ConeRow::Red, ConeRow::LightBlue}) {
            for (int k = 1; k < kRowLength; ++k) {
                const ControlLayout& left = image(coneImageNumber(row, k));
                const ControlLayout& right = image(coneImageNumber(row, k + 1));
                QCOMPARE(right.rect.left, left.rect.right() - 1);
                QCOMPARE(right.rect.top, left.rect.top);
                QVERIFY(right.stackRank < left.stackRank);  // in front of its left neighbour
            }
        }
        for (int k = 1; k <= kRowLength; ++k) {
            const ControlLayout& green = image(coneImageNumber(ConeRow::Green, k));
            const ControlLayout& red = image(coneImageNumber(ConeRow::Red, k));
            const ControlLayout& blue = image(coneImageNumber(ConeRow::LightBlue, k));
            QCOMPARE(red.rect.top, green.rect.bottom() - 1);
            QCOMPARE(blue.rect.top, red.rect.bottom() - 1);
            QVERIFY(red.stackRank < green.stackRank && blue.stackRank < red.stackRank);
            QCOMPARE(green.asset, Asset::ConeGreen);
            QCOMPARE(red.asset, Asset::ConeRed);
            QCOMPARE(blue.asset, Asset::ConeLightBlue);
        }
    }

    void progressRowMapsElementsToItsPictures() {
        std::set<int> numbers;
        for (int k = 1; k <= kRowLength; ++k) {
            numbers.insert(progressImageNumber(k));
        }
        QCOMPARE(int(numbers.size()), kRowLength);
        QCOMPARE(progressImageNumber(1), 4);
        QCOMPARE(progressImageNumber(3), 6);
        QCOMPARE(progressImageNumber(4), 72);
        QCOMPARE(progressImageNumber(20), 88);
        // The sun sinks: each element lies lower and further left than the one before.
        for (int k = 2; k <= kRowLength; ++k) {
            const Rect before = image(progressImageNumber(k - 1)).rect;
            const Rect after = image(progressImageNumber(k)).rect;
            QVERIFY(after.top > before.top && after.left < before.left);
        }
        std::set<Asset> setting;
        for (int k = 1; k <= kRowLength; ++k) {
            const Asset asset = image(progressImageNumber(k)).asset;
            if (k <= 15) {
                QCOMPARE(asset, Asset::Sun);
            } else {
                QVERIFY(setting.insert(asset).second);
            }
        }
    }

    void theHandIsOverThePicturesThatTakeAClickAndTheQuitSunHasItsTooltip() {
        std::size_t hands = 0;
        for (const ControlLayout& entry : layout()) {
            const bool button =
                entry.kind == ControlKind::Picture && Form1::hasClickHandler(entry.number);
            QCOMPARE(entry.cursor == Cursor::Hand, button);
            hands += button ? 1 : 0;
        }
        QCOMPARE(hands, kPictureClicks.size());  // each handled number is a picture of the window
        QCOMPARE(image(88).tooltip, std::string_view("È ORA DI TORNARE A CASA!"));
        for (int k = 1; k < kRowLength; ++k) {
            QVERIFY(image(progressImageNumber(k)).tooltip.empty());
        }
    }

    void stackingOfTheBannerAgainstTheSun() {
        const int banner = find(ControlKind::Label, 11).stackRank;
        QVERIFY(banner < image(progressImageNumber(1)).stackRank);
        QVERIFY(banner < image(progressImageNumber(2)).stackRank);
        for (int k = 3; k <= 5; ++k) {
            QVERIFY(image(progressImageNumber(k)).stackRank < banner);
        }
        // The answer status pictures lie in front of the low suns that reach down over them.
        for (int k = 13; k <= 20; ++k) {
            for (int status : {71, 92, 93}) {
                QVERIFY(image(status).stackRank < image(progressImageNumber(k)).stackRank);
            }
        }
    }

    void tabOrderRunsThroughTheFourBoxes() {
        std::set<int> indices;
        std::vector<std::pair<int, int>> boxes;
        for (const ControlLayout& entry : layout()) {
            const bool focusable =
                entry.kind == ControlKind::Label || entry.kind == ControlKind::TextBox;
            QCOMPARE(entry.tabIndex != kNoTabIndex, focusable);
            if (focusable) {
                QVERIFY(indices.insert(entry.tabIndex).second);
            }
            if (entry.kind == ControlKind::TextBox) {
                boxes.emplace_back(entry.tabIndex, entry.number);
            }
        }
        QCOMPARE(*indices.rbegin(), 14);
        std::sort(boxes.begin(), boxes.end());
        QCOMPARE(boxes[0].second, 1);
        QCOMPARE(boxes[1].second, 2);
        QCOMPARE(boxes[2].second, 3);
        QCOMPARE(boxes[3].second, 4);
        QCOMPARE(tabOrder(), (std::array<int, kTextBoxCount>{1, 2, 3, 4}));
    }

    void everyPictureNamesAnAssetAndEveryAssetIsShown() {
        std::set<Asset> shown{Asset::BeachBackground};
        for (const ControlLayout& entry : layout()) {
            if (entry.kind == ControlKind::Picture) {
                QVERIFY(entry.asset != Asset::None);
                shown.insert(entry.asset);
            }
        }
        QCOMPARE(shown.size(), kAssets.size());
    }

    void theVisiblePictureOfLowestRankIsInFrontOfItsPlace() {
        test::ScriptedRandom random(1);
        test::RecordingHost host;
        Form1 form(random, host);  // before Load: every picture shown
        QCOMPARE(pictureInFront(form, form.image(71)), &form.image(93));
        form.image(93).setVisible(false);
        QCOMPARE(pictureInFront(form, form.image(93)), &form.image(92));
        QCOMPARE(pictureInFront(form, form.image(68)), &form.image(67));
        QCOMPARE(pictureInFront(form, form.image(2)), &form.image(2));  // alone at its place
        form.image(2).setVisible(false);
        QCOMPARE(pictureInFront(form, form.image(2)), nullptr);
    }

    void fontSizesAtNinetySixDpi() {
        QCOMPARE(pixelSize(FontSize::Large), 48);
        QCOMPARE(pixelSize(FontSize::Medium), 32);
        QCOMPARE(pixelSize(FontSize::Small), 19);
    }
};

QTEST_APPLESS_MAIN(LayoutTest)
#include "tst_layout.moc"
