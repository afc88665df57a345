// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// What the window object does between the toolkit and the handlers: a failing handler ends the
// program, a Tab moves the focus along the controls that can take it, and text that comes in
// one piece is typed as keys until it is judged.
#include <QTest>

#include <string>

#include "support/harness.h"

using namespace brivolo;
using brivolo::test::Harness;

class Form1Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aFailingHandlerEndsTheProgramWithTheRunTimeError() {
        Harness h;
        h.scriptPredictableGame();
        h.click(70);
        h.clickAbacus();
        h.form.state().add = 11;  // an index past the end of the additions
        h.typeText("1");
        QCOMPARE(h.host.runTimeErrors.size(), std::size_t{1});
        QVERIFY(h.host.runTimeErrors[0].starts_with(kRunTimeError));
        QVERIFY(h.host.runTimeErrors[0].size() > kRunTimeError.size());
        QVERIFY(h.form.ended());
        // Nothing runs after it: the answer, right once the index is back, is not judged.
        h.form.state().add = 1;
        h.typeText("1");
        QVERIFY(!h.form.image(71).visible() && !h.form.image(93).visible());
        QCOMPARE(h.host.runTimeErrors.size(), std::size_t{1});
        QCOMPARE(h.host.endRequests, 0);
    }

    void tabGoesToTheNextBoxThatCanTakeTheFocus() {
        Harness h;
        Form1& form = h.form;
        // After start-up the three answer boxes are open and the final box is disabled.
        QCOMPARE(form.nextTabStop(nullptr), &form.textBox(1));
        QCOMPARE(form.nextTabStop(&form.textBox(2)), &form.textBox(3));
        QCOMPARE(form.nextTabStop(&form.textBox(3)), &form.textBox(1));
        form.textBox(4).setEnabled(true);
        QCOMPARE(form.nextTabStop(&form.textBox(3)), &form.textBox(4));
        QCOMPARE(form.nextTabStop(&form.textBox(4)), &form.textBox(1));
        for (int n : {1, 3, 4}) {
            form.textBox(n).setVisible(false);
        }
        QCOMPARE(form.nextTabStop(&form.textBox(2)), &form.textBox(2));
        form.textBox(2).setEnabled(false);
        QCOMPARE(form.nextTabStop(&form.textBox(2)), nullptr);
    }

    void tabReachesThePicturesThatActAfterTheBoxes() {
        Harness h;
        Form1& form = h.form;
        // After start-up: the three answer boxes and the calculator; the abacus is disabled,
        // the setting sun hidden.
        QCOMPARE(form.nextFocus(&form.textBox(3)), &form.image(70));
        QCOMPARE(form.nextFocus(&form.image(70)), &form.textBox(1));
        QCOMPARE(form.nextFocus(&form.label(1)), &form.textBox(1));
        QCOMPARE(form.nextFocus(nullptr, true), &form.image(70));
        QCOMPARE(form.nextFocus(&form.textBox(1), true), &form.image(70));
        form.image(3).setEnabled(true);
        form.image(88).setVisible(true);
        QCOMPARE(form.nextFocus(&form.image(70)), &form.image(3));
        QCOMPARE(form.nextFocus(&form.image(3)), &form.image(88));
        QCOMPARE(form.nextFocus(&form.image(88), true), &form.image(3));
        QVERIFY(Form1::takesFocus(ControlKind::Picture, 3));
        QVERIFY(!Form1::takesFocus(ControlKind::Picture, 1));
        QVERIFY(!Form1::takesFocus(ControlKind::Label, 1));
        // The abacus's own focus move lands in the open box, never on a picture.
        h.click(70);
        h.clickAbacus();
        QCOMPARE(h.focus, &form.textBox(1));
    }

    void textInOnePieceIsTypedUntilItIsJudged() {
        const std::u16string digits(20000, u'9');
        const std::u16string letters(700000, u'x');
        struct Case {
            const char* name;
            std::u16string text;
            bool keyHeld;
            std::string kept;
            bool judged;
        };
        const Case cases[] = {
            {"a digit too many", u"169", false, "16", true},
            {"a word after the number", u"16 punti", false, "16", true},
            {"a long number", u"16" + digits, false, "16", true},
            {"a long refusal first", letters + u"16", false, "16", true},
            {"Backspace among the digits", u"1\b16", false, "16", true},
            {"a key held: its release judges", u"169", true, "169", false},
        };
        for (const Case& c : cases) {
            Harness h;
            h.random.scriptFirstOperations(9, 7, 12, 3, {true});
            h.click(70);
            h.clickAbacus();
            h.enterText(c.text, c.keyHeld);
            QVERIFY2(h.form.textBox(1).text() == c.kept, c.name);
            QVERIFY2(h.form.image(71).visible() == c.judged, c.name);
            QVERIFY2(h.form.textBox(1).enabled() != c.judged, c.name);
        }

        Harness h;
        h.playOperations([](int) { return true; });
        h.focusBox(4);
        h.enterText(u"205");
        QCOMPARE(h.form.textBox(4).text(), std::string("20"));
        QVERIFY(h.form.image(68).visible());
        // Past the judged length nothing can be judged: what is kept is typed at once.
        h.enterText(u"7");
        h.typings = 0;
        h.enterText(digits);
        QCOMPARE(h.form.textBox(4).text().size(), digits.size() + 3);
        QCOMPARE(h.typings, 2);
    }
};

QTEST_APPLESS_MAIN(Form1Test)
#include "tst_form1.moc"
