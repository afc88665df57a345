// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The abacus: presenting the next operation to the player in turn.
#include <QTest>

#include "support/harness.h"

using namespace brivolo;
using namespace brivolo::test;

namespace {

struct Shown {
    std::string first, sign, second;
};

Shown operation(Form1& f) {
    return {f.label(1).caption(), f.label(2).caption(), f.label(3).caption()};
}

bool balloonVisible(Form1& f, const PlayerBinding& p) {
    return f.shape(p.balloonShape).visible() && f.line(p.balloonLines[0]).visible() &&
           f.line(p.balloonLines[1]).visible();
}

bool balloonHidden(Form1& f, const PlayerBinding& p) {
    return !f.shape(p.balloonShape).visible() && !f.line(p.balloonLines[0]).visible() &&
           !f.line(p.balloonLines[1]).visible();
}

}  // namespace

class NextOperationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void turnsRotateGreenRedLightBlue() {
        Harness h;
        h.scriptPredictableGame();
        h.click(70);
        for (int k = 1; k <= kOperationsPerGame; ++k) {
            h.clickAbacus();
            const PlayerBinding& inTurn = kPlayers[(k - 1) % 3];
            Form1& f = h.form;
            for (const PlayerBinding& p : kPlayers) {
                TextBox& box = f.textBox(p.answerBox);
                const bool open = &p == &inTurn;
                QCOMPARE(box.visible(), open);
                QCOMPARE(box.enabled(), open);
                QVERIFY(open ? balloonVisible(f, p) : balloonHidden(f, p));
            }
            QVERIFY(f.shape(1).visible() && f.line(1).visible() && f.line(2).visible());
            for (int n = 1; n <= 4; ++n) QVERIFY(f.label(n).visible());
            QCOMPARE(f.state().turno, float(k % 3));
            QCOMPARE(f.state().totoperazioni, float(k));
            QCOMPARE(h.focus, &f.textBox(inTurn.answerBox));  // the queued Tab lands there
            QVERIFY(!f.image(3).enabled());
            h.answer(true);
        }
        QCOMPARE(h.host.tabsQueued, kOperationsPerGame);
    }

    void operationsAreWrittenFromTheDrawnArrays() {
        Harness h;
        h.scriptPredictableGame();  // additions (k-1)+1, subtractions (10+k)-1, alternating
        h.click(70);
        h.clickAbacus();
        Shown shown = operation(h.form);
        QCOMPARE(shown.first, std::string("0"));
        QCOMPARE(shown.sign, std::string("+"));
        QCOMPARE(shown.second, std::string("1"));
        QCOMPARE(h.form.label(4).caption(), std::string("="));
        h.answer(true);
        h.clickAbacus();
        shown = operation(h.form);
        QCOMPARE(shown.first, std::string("11"));
        QCOMPARE(shown.sign, std::string("-"));
        QCOMPARE(shown.second, std::string("1"));
        for (int k = 3; k <= kOperationsPerGame; ++k) {
            h.answer(true);
            h.clickAbacus();
        }
        // The last subtraction is 20 - 1, the last addition 9 + 1.
        shown = operation(h.form);
        QCOMPARE(shown.first, std::string("20"));
        QCOMPARE(h.form.state().add, 10.0f);
        QCOMPARE(h.form.state().sott, 10.0f);
    }

    void operandsZeroNineTenTwentyAreWrittenPlainly() {
        Harness h;
        std::vector<double> script;
        const int firsts[10] = {0, 9, 10, 1, 2, 3, 4, 5, 6, 7};
        for (int a : firsts) script.push_back((a + 0.5) / 20);
        script.insert(script.end(), 10, 0.0);  // second addends 0
        for (int m = 20; m >= 11; --m) script.push_back((m - 0.5) / 20);
        script.push_back(9.5 / 20);  // subtrahend 9 of 20
        for (int k = 1; k < 10; ++k) script.push_back(0.0);
        script.push_back(0.0);  // kind: addition 0 + 0
        script.push_back(0.9);  // subtraction 20 - 9
        script.push_back(0.1);  // addition 9 + 0
        script.push_back(0.1);  // addition 10 + 0
        h.random.script(script);
        h.click(70);
        const std::string expected[4][3] = {
            {"0", "+", "0"}, {"20", "-", "9"}, {"9", "+", "0"}, {"10", "+", "0"}};
        for (const auto& e : expected) {
            h.clickAbacus();
            const Shown shown = operation(h.form);
            QCOMPARE(shown.first, e[0]);
            QCOMPARE(shown.sign, e[1]);
            QCOMPARE(shown.second, e[2]);
            h.answer(true);
        }
    }

    void kindIsForcedOnceTenOfOneKindWereShown() {
        for (const double kind : {0.1, 0.9}) {  // ten additions first, or ten subtractions
            Harness h;
            std::vector<double> script(40, 0.3);
            for (int k = 0; k < 10; ++k) script[k] = (k + 0.5) / 20;
            for (int k = 20; k < 30; ++k) script[k] = (k - 20 + 0.5) / 20;
            for (int k = 30; k < 40; ++k) script[k] = 0.0;        // subtrahends 0: no redraws
            for (int k = 0; k < 20; ++k) script.push_back(kind);  // always the same kind drawn
            h.random.script(script);
            h.click(70);
            const std::string firstSign = kind < 0.5 ? "+" : "-";
            const std::string otherSign = kind < 0.5 ? "-" : "+";
            for (int k = 1; k <= kOperationsPerGame; ++k) {
                const int taken = h.random.taken;
                h.clickAbacus();
                QCOMPARE(h.random.taken, taken + 1);  // drawn even when overridden
                QCOMPARE(h.form.label(2).caption(), k <= 10 ? firstSign : otherSign);
                QCOMPARE(h.form.state().add + h.form.state().sott, float(k));
                h.answer(k % 2 == 0);
            }
        }
    }

    void exactlyOneMarkerShowsAndTheSunSinks() {
        Harness h;
        h.click(70);
        for (int k = 1; k <= kOperationsPerGame; ++k) {
            h.clickAbacus();
            QCOMPARE(h.visibleProgressMarkers(), 1);
            QVERIFY(h.form.image(progressImageNumber(k)).visible());
            h.answer(true);
        }
    }

    void boxesAreEmptiedAndTheStatusAwaitedWhateverTheTurn() {
        Harness h;
        h.click(70);
        h.clickAbacus();
        h.answer(false);
        QVERIFY(h.form.image(93).visible());
        h.form.textBox(3).setText("12");  // left over in a closed box
        h.clickAbacus();
        for (int n = 1; n <= 3; ++n) QCOMPARE(h.form.textBox(n).text(), std::string());
        QVERIFY(h.form.image(92).visible() && !h.form.image(71).visible() &&
                !h.form.image(93).visible());
        h.answer(true);
        QVERIFY(h.form.image(71).visible());
        h.clickAbacus();
        QVERIFY(h.form.image(92).visible() && !h.form.image(71).visible());
    }

    void theTwentiethOperationTurnsTheHintAndShowsTheQuitSun() {
        Harness h;
        h.click(70);
        for (int k = 1; k < kOperationsPerGame; ++k) {
            h.clickAbacus();
            h.answer(true);
            QVERIFY(h.form.image(90).visible() && !h.form.image(91).visible());
            QVERIFY(!h.form.image(88).visible());
        }
        h.clickAbacus();
        QVERIFY(!h.form.image(90).visible() && h.form.image(91).visible());
        QVERIFY(h.form.image(88).visible() && !h.form.image(87).visible());
        QVERIFY(h.form.textBox(2).enabled());  // the red player answers the last one
    }

    void lastRightAnswerStillShowsANewCone() {
        Harness h;
        h.playOperations([](int) { return true; });
        // Green and red seven each, light blue six; every point has its cone.
        QCOMPARE(h.form.state().numerorossi, 7.0f);
        QCOMPARE(h.visibleCones(ConeRow::Green), 7);
        QCOMPARE(h.visibleCones(ConeRow::Red), 7);
        QCOMPARE(h.visibleCones(ConeRow::LightBlue), 6);
        QVERIFY(h.form.image(coneImageNumber(ConeRow::Red, 7)).visible());
        QCOMPARE(h.form.state().gelatorosso, 7.0f);
    }

    void theAbacusTakesOneClickPerAnswer() {
        Harness h;
        h.click(70);
        h.clickAbacus();
        h.clickAbacus();  // disabled until the answer is complete
        QCOMPARE(h.form.state().totoperazioni, 1.0f);
        h.answer(true);
        h.clickAbacus();
        QCOMPARE(h.form.state().totoperazioni, 2.0f);
    }

    void quitSunEndsTheProgramAndNothingRunsAfter() {
        Harness h;
        h.playOperations([](int) { return false; });
        h.click(88);
        QCOMPARE(h.host.endRequests, 1);
        QVERIFY(h.form.ended());
        h.click(70);
        QCOMPARE(h.form.state().totoperazioni, 20.0f);
        QCOMPARE(h.random.reseeds, 1);
    }
};

QTEST_APPLESS_MAIN(NextOperationTest)
#include "tst_nextoperation.moc"
