// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The answer boxes: the keystroke filter and the judging of complete answers.
#include <QTest>
#include <algorithm>
#include <array>

#include "answers/answertext.h"
#include "answers/keyfilter.h"
#include "support/harness.h"
#include "support/shownoperation.h"

using namespace brivolo;
using namespace brivolo::test;

namespace {

// A game whose first operation, for the green player, has the given result.
void presentResult(Harness& h, int result) {
    if (result <= 19) {
        h.random.scriptFirstOperations(result, 0, 20, 0, {true});
    } else {
        h.random.scriptFirstOperations(0, 0, 20, 0, {false});
    }
    h.click(70);
    h.clickAbacus();
}

bool judged(Harness& h) {
    return !h.form.textBox(1).enabled();
}

}  // namespace

class AnswerCheckTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filterPassesOnlyDigitsAndBackspace() {
        constexpr std::array<short, 11> kPassing{8,   '0', '1', '2', '3', '4',
                                                 '5', '6', '7', '8', '9'};
        for (int code = -32768; code <= 32767; ++code) {
            short c = static_cast<short>(code);
            filterAnswerKey(c);
            const bool passes = std::find(kPassing.begin(), kPassing.end(), code) != kPassing.end();
            QCOMPARE(c, passes ? static_cast<short>(code) : short{0});
        }
    }

    void discardedCharactersLeaveTheTextAsItWas() {
        Harness h;
        presentResult(h, 12);
        for (short code : {short('a'), short('-'), short('.'), short(' '), short(13), short(27),
                           short(0xE0), short(-5), short(7), short(9), short(58), short(127)}) {
            h.type(code);
            QCOMPARE(h.form.textBox(1).text(), std::string());
        }
        QVERIFY(!judged(h));
    }

    void aOneDigitResultIsJudgedAtTheFirstDigit() {
        Harness right;
        presentResult(right, 7);
        right.type('7');
        QVERIFY(judged(right));
        QVERIFY(right.form.image(71).visible() && !right.form.image(92).visible() &&
                !right.form.image(93).visible());
        QCOMPARE(right.form.label(5).caption(), std::string("1"));
        QCOMPARE(right.visibleCones(ConeRow::Green), 1);

        Harness wrong;
        presentResult(wrong, 7);
        wrong.type('5');
        QVERIFY(judged(wrong));
        QVERIFY(wrong.form.image(93).visible() && !wrong.form.image(71).visible() &&
                !wrong.form.image(92).visible());
        QCOMPARE(wrong.form.label(5).caption(), std::string("0"));
        QCOMPARE(wrong.visibleCones(ConeRow::Green), 0);
        QCOMPARE(wrong.form.textBox(1).text(), std::string("5"));  // stays, visible
        QVERIFY(wrong.form.textBox(1).visible());
        wrong.type('7');  // no second try
        QCOMPARE(wrong.form.textBox(1).text(), std::string("5"));
    }

    void aTwoDigitResultWaitsForTheSecondDigit() {
        Harness h;
        presentResult(h, 12);
        h.type('1');
        QVERIFY(!judged(h));
        h.keyWithoutCharacter();
        QVERIFY(!judged(h));
        h.type('2');
        QVERIFY(judged(h));
        QVERIFY(h.form.image(71).visible());

        Harness corrected;
        presentResult(corrected, 12);
        corrected.type('3');
        corrected.backspace();
        QVERIFY(!judged(corrected));
        corrected.typeText("12");
        QVERIFY(judged(corrected));
        QVERIFY(corrected.form.image(71).visible());
        QCOMPARE(corrected.form.state().numeroverdi, 1.0f);
    }

    void resultZeroAndResultTwenty() {
        Harness zero;
        zero.random.scriptFirstOperations(0, 0, 6, 6, {false});
        zero.click(70);
        zero.clickAbacus();
        QCOMPARE(shownResult(zero.form), 0);
        zero.type('0');
        QVERIFY(judged(zero) && zero.form.image(71).visible());

        Harness twenty;
        presentResult(twenty, 20);
        twenty.typeText("20");
        QVERIFY(judged(twenty) && twenty.form.image(71).visible());
    }

    void aTextLongerThanTheResultWaitsUntilBackspaceBringsItBack() {
        Harness h;
        presentResult(h, 7);
        // A held key: the characters arrive with no release in between.
        for (int i = 0; i < 3; ++i) {
            short c = '7';
            h.form.keyPress(*h.focus, c);
            h.form.textBox(1).takeEditedText(h.form.textBox(1).text() + "7");
        }
        h.form.keyUp(*h.focus, '7', 0);
        QVERIFY(!judged(h));
        h.backspace();
        QVERIFY(!judged(h));  // "77"
        h.backspace();
        QVERIFY(judged(h));  // "7" on Backspace's release
        QVERIFY(h.form.image(71).visible());
    }

    void theTabReleaseOnTheEmptyBoxJudgesNothing() {
        Harness h;
        presentResult(h, 0);  // even a result that an empty text would match in value
        h.keyWithoutCharacter();
        QVERIFY(!judged(h));
    }

    void answersToOneToNineteenOpenTheAbacusTheTwentiethTheFinalBox() {
        Harness h;
        h.click(70);
        for (int k = 1; k <= kOperationsPerGame; ++k) {
            h.clickAbacus();
            QVERIFY(!h.form.image(3).enabled());
            h.answer(k % 2 == 1);
            QCOMPARE(h.form.image(3).enabled(), k < kOperationsPerGame);
            QCOMPARE(h.form.textBox(4).enabled(), k == kOperationsPerGame);
        }
    }

    void scoresAndConesRiseOnlyForTheAnsweringPlayer() {
        Harness h;
        h.click(70);
        int rightAnswers[3] = {0, 0, 0};
        for (int k = 1; k <= kOperationsPerGame; ++k) {
            h.clickAbacus();
            const bool right = (k * 7) % 3 != 0;
            h.answer(right);
            rightAnswers[(k - 1) % 3] += right ? 1 : 0;
            for (int p = 0; p < 3; ++p) {
                QCOMPARE(h.visibleCones(kPlayers[p].coneRow), rightAnswers[p]);
                QCOMPARE(h.form.label(kPlayers[p].scoreLabel).caption(),
                         std::to_string(rightAnswers[p]));
            }
        }
    }

    void characterCountsAndValues() {
        QCOMPARE(characterCount("12"), std::size_t(2));
        QCOMPARE(characterCount("\xc3\xa0"), std::size_t(1));  // one accented letter
        QCOMPARE(decimalValue(""), 0.0);
        QCOMPARE(decimalValue("007"), 7.0);
        QCOMPARE(decimalValue("19"), 19.0);
    }
};

QTEST_APPLESS_MAIN(AnswerCheckTest)
#include "tst_answercheck.moc"
