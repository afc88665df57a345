// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The window's state after start-up, before the first game.
#include <QTest>
#include <set>

#include "support/harness.h"

using namespace brivolo;
using namespace brivolo::test;

class StartupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void beforeLoadEveryControlIsVisibleEnabledAndAsLaidOut() {
        ScriptedRandom random;
        RecordingHost host;
        Form1 form(random, host);
        for (Control* control : form.controls()) {
            QVERIFY(control->visible());
            QVERIFY(control->enabled());
        }
        QCOMPARE(form.label(4).caption(), std::string("="));
        QCOMPARE(form.label(5).caption(), std::string());
        QCOMPARE(form.textBox(1).text(), std::string());
        QCOMPARE(int(form.controls().size()), kControlCount);
    }

    void loadHidesAndDisablesWhatBelongsToAGame() {
        Harness h;
        Form1& f = h.form;
        std::set<const Control*> hidden{&f.image(71), &f.image(93), &f.image(90), &f.image(91),
                                        &f.label(4)};
        for (int k = 1; k <= kRowLength; ++k) {
            hidden.insert(&f.image(progressImageNumber(k)));
            for (const PlayerBinding& p : kPlayers) {
                hidden.insert(&f.image(coneImageNumber(p.coneRow, k)));
            }
        }
        for (int i = 1; i <= 8; ++i) hidden.insert(&f.line(i));
        for (int i = 1; i <= 4; ++i) hidden.insert(&f.shape(i));
        const std::set<const Control*> disabled{&f.image(3), &f.textBox(4)};

        // Everything else keeps its laid-out state, the stacked faces and the answer boxes too.
        for (const Control* control : f.controls()) {
            QCOMPARE(control->visible(), !hidden.count(control));
            QCOMPARE(control->enabled(), !disabled.count(control));
        }
        QCOMPARE(int(hidden.size()), 5 + 80 + 12);
    }

    void loadBindsTheRowsAndLeavesElementZeroEmpty() {
        Harness h;
        GameState& s = h.form.state();
        for (ImageArray* row :
             {&s.contaoperazioni, &s.gelativerdi, &s.gelatirossi, &s.gelatiazzurri}) {
            QVERIFY_THROWS_EXCEPTION(SubscriptError, (*row)[0]);
            std::set<const Picture*> bound;
            for (int k = 1; k <= kRowLength; ++k) {
                bound.insert(&(*row)[k]);
            }
            QCOMPARE(int(bound.size()), kRowLength);
        }
        QCOMPARE(&s.contaoperazioni[20], &h.form.image(88));
        QCOMPARE(&s.contaoperazioni[4], &h.form.image(72));
        QCOMPARE(&s.gelativerdi[1], &h.form.image(7));
        QCOMPARE(&s.gelatirossi[20], &h.form.image(46));
        QCOMPARE(&s.gelatiazzurri[1], &h.form.image(47));
    }

    void loadLeavesTheGameStateZero() {
        Harness h;
        const GameState& s = h.form.state();
        for (float counter :
             {s.add, s.sott, s.caso, s.turno, s.totoperazioni, s.gelatoverde, s.gelatorosso,
              s.gelatoazzurro, s.numeroverdi, s.numerorossi, s.numeroazzurri}) {
            QCOMPARE(counter, 0.0f);
        }
        QVERIFY(s.totgelati.isEmpty());
        for (int k = 0; k <= 10; ++k) {
            QCOMPARE(s.primoaddendo[k], 0.0f);
            QCOMPARE(s.minuendo[k], 0.0f);
            QVERIFY(s.somma[k].isEmpty());
            QVERIFY(s.differenza[k].isEmpty());
        }
        QCOMPARE(h.random.taken, 0);
    }

    void beforeTheFirstGameOnlyTheCalculatorReacts() {
        Harness h;
        h.click(3);
        h.click(88);
        QCOMPARE(h.form.state().totoperazioni, 0.0f);
        QCOMPARE(h.host.endRequests, 0);
        h.focusBox(4);
        QVERIFY(h.focus != &h.form.textBox(4));
        // Digits typed into the open boxes are accepted but judged by nothing.
        h.typeText("7a");
        QCOMPARE(h.form.textBox(1).text(), std::string("7"));
        QVERIFY(h.form.textBox(1).enabled());
        QVERIFY(!h.form.image(71).visible() && !h.form.image(93).visible());
    }
};

QTEST_APPLESS_MAIN(StartupTest)
#include "tst_startup.moc"
