// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The texts a screen reader speaks, as every front end takes them from the window object.
#include <QTest>

#include "app/spokentext.h"
#include "support/harness.h"

using namespace brivolo;

class SpokenTextCoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlButALabelHasAFixedName() {
        test::Harness h;
        for (const Control* control : h.form.controls()) {
            const bool label = control->kind() == ControlKind::Label;
            QVERIFY2(fixedName(*control).empty() == label, control->name().c_str());
        }
        QCOMPARE(fixedName(h.form.image(88)),
                 std::string("Il sole al tramonto: è ora di tornare a casa"));
        QCOMPARE(fixedName(h.form.textBox(2)), std::string("Risposta del nipotino rosso"));
        QCOMPARE(fixedName(h.form.textBox(4)), std::string("Totale dei punti"));
        QCOMPARE(fixedName(h.form.line(3)), std::string("Punta del fumetto"));
    }

    void textsFollowTheGame() {
        test::Harness h;
        h.scriptPredictableGame();
        h.click(70);
        h.clickAbacus();
        const std::string operation =
            h.form.label(1).caption() + " più " + h.form.label(3).caption() + " uguale";
        QCOMPARE(spokenText(h.form, h.form.shape(1)).name, operation);
        QCOMPARE(spokenText(h.form, h.form.textBox(1)).description, std::string("Tocca a te"));
        QCOMPARE(spokenText(h.form, h.form.textBox(2)).description, std::string());
        h.answer(true);
        QCOMPARE(spokenText(h.form, h.form.label(5)).name, std::string("Punti del verde: 1"));
        QCOMPARE(spokenText(h.form, h.form.textBox(1)).description, std::string());
        QVERIFY(spokenTextChanges(h.form.shape(1)) && !spokenTextChanges(h.form.shape(2)));
        QVERIFY(!spokenTextChanges(h.form.image(3)));
        // The stacked fish are read again after every handler too, as the balloon is.
        QVERIFY(readAgainAfterHandlers(h.form, h.form.image(92)));
        QVERIFY(readAgainAfterHandlers(h.form, h.form.shape(1)));
        QVERIFY(!readAgainAfterHandlers(h.form, h.form.image(3)));
    }
};

QTEST_MAIN(SpokenTextCoreTest)
#include "tst_spokentext.moc"
