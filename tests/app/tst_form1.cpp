// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// What the window object does between the toolkit and the handlers: a failing handler ends the
// program, and a Tab moves the focus along the boxes that can take it.
#include <QTest>

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
};

QTEST_APPLESS_MAIN(Form1Test)
#include "tst_form1.moc"
