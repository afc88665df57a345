// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The final box: the children type the total of the three scores.
#include <QTest>

#include "support/harness.h"

using namespace brivolo;
using namespace brivolo::test;

namespace {

// A finished game in which green, red and light blue scored the given points.
void finishWithScores(Harness& h, int green, int red, int lightBlue) {
    int left[3] = {green, red, lightBlue};
    h.click(70);
    for (int k = 1; k <= kOperationsPerGame; ++k) {
        h.clickAbacus();
        int& player = left[(k - 1) % 3];
        h.answer(player > 0);
        player = std::max(0, player - 1);
    }
}

bool smiling(Form1& f) {
    return !f.image(67).visible() && f.image(68).visible() && !f.image(69).visible() &&
           f.image(71).visible() && !f.image(92).visible() && !f.image(93).visible();
}

bool sad(Form1& f) {
    return !f.image(67).visible() && !f.image(68).visible() && f.image(69).visible() &&
           !f.image(71).visible() && !f.image(92).visible() && f.image(93).visible();
}

}  // namespace

class FinalBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gettingTheFocusComputesTheTotal() {
        Harness h;
        finishWithScores(h, 3, 2, 2);
        QVERIFY(h.form.state().totgelati.isEmpty());
        h.focusBox(4);
        QCOMPARE(h.form.state().totgelati, Variant(7.0f));
        QCOMPARE(h.form.state().totoperazioni, 0.0f);
        QCOMPARE(h.form.state().add, 10.0f);  // until the first key press
    }

    void theFirstKeyPressClosesTheGame() {
        Harness h;
        finishWithScores(h, 3, 2, 2);
        h.focusBox(4);
        Form1& f = h.form;
        QVERIFY(!f.image(70).enabled());
        h.type('x');  // a letter still closes the game
        QCOMPARE(f.textBox(4).text(), std::string());
        QVERIFY(f.image(70).enabled());
        QCOMPARE(f.state().add, 0.0f);
        QCOMPARE(f.state().sott, 0.0f);
        for (int i = 1; i <= 8; ++i) QVERIFY(!f.line(i).visible());
        for (int i = 1; i <= 4; ++i) QVERIFY(!f.shape(i).visible() && !f.label(i).visible());
        for (int n = 1; n <= 3; ++n) QCOMPARE(f.textBox(n).text(), std::string());
        QVERIFY(f.textBox(2).visible() && !f.textBox(2).enabled());  // the last player's box
        QVERIFY(f.image(89).visible() &&
                !f.image(91).visible());  // the hint turns to the calculator
        QVERIFY(f.image(67).visible());   // no verdict on the empty text
    }

    void totalsAreJudgedByTheirText() {
        Harness h;
        finishWithScores(h, 3, 2, 2);
        h.focusBox(4);
        h.type('7');
        QVERIFY(smiling(h.form));
        h.backspace();
        QVERIFY(smiling(h.form));  // an empty text gives no new verdict
        h.type('5');
        QVERIFY(sad(h.form));
        h.backspace();
        h.type('7');
        QVERIFY(smiling(h.form));

        Harness leadingZero;
        finishWithScores(leadingZero, 3, 2, 2);
        leadingZero.focusBox(4);
        leadingZero.typeText("07");
        QVERIFY(sad(leadingZero.form));  // "0" was wrong; "07" is never judged for 7
    }

    void twoDigitTotals() {
        Harness h;
        finishWithScores(h, 6, 5, 4);
        h.focusBox(4);
        h.type('1');
        QVERIFY(h.form.image(67).visible());
        QVERIFY(h.form.image(89).visible() && !h.form.image(91).visible());
        h.type('5');
        QVERIFY(smiling(h.form));
        h.backspace();
        h.type('6');
        QVERIFY(sad(h.form));
        h.type('0');  // three characters: the last verdict stays
        QVERIFY(sad(h.form));
        h.backspace();
        h.backspace();
        h.type('5');
        QVERIFY(smiling(h.form));
        // The verdict changes no score, counter or cone.
        QCOMPARE(h.form.state().numeroverdi, 6.0f);
        QCOMPARE(h.visibleCones(ConeRow::LightBlue), 4);
    }

    void nothingScoredTypesZero() {
        Harness h;
        finishWithScores(h, 0, 0, 0);
        h.focusBox(4);
        h.type('0');
        QVERIFY(smiling(h.form));
    }

    void keysWithoutACharacterJudgeButCloseNothing() {
        Harness h;
        finishWithScores(h, 1, 1, 1);
        h.focusBox(4);
        h.form.textBox(4).takeEditedText("3");  // as left by earlier typing
        h.keyWithoutCharacter();
        QVERIFY(smiling(h.form));
        QVERIFY(!h.form.image(70).enabled());  // no key press: the game is not closed yet
        h.type(13);                            // Enter: closes it, inserts nothing
        QVERIFY(h.form.image(70).enabled());
        QCOMPARE(h.form.textBox(4).text(), std::string("3"));
    }

    void everyConeMatchesTheScoreAtTheEnd() {
        Harness h;
        finishWithScores(h, 7, 7, 6);
        const GameState& s = h.form.state();
        int cones = 0;
        for (const PlayerBinding& p : kPlayers) cones += h.visibleCones(p.coneRow);
        QCOMPARE(float(cones), s.numeroverdi + s.numerorossi + s.numeroazzurri);
    }

    void gamesFollowOneAnother() {
        Harness h(99);
        for (int game = 0; game < 3; ++game) {
            finishWithScores(h, game, 2, 1);
            h.typeTotal(true);
            QVERIFY(smiling(h.form));
        }
        QCOMPARE(h.random.reseeds, 3);
    }
};

QTEST_APPLESS_MAIN(FinalBoxTest)
#include "tst_finalbox.moc"
