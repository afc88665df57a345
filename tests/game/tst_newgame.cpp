// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// A new game: the board reset and the drawing of the twenty operations.
#include <QTest>
#include <array>
#include <set>

#include "support/harness.h"

using namespace brivolo;
using namespace brivolo::test;

namespace {

// The number that makes floor(scale * r + offset) give `value`.
double drawing(int value, double scale = 20, double offset = 0) {
    return (value - offset + 0.5) / scale;
}

}  // namespace

class NewGameTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void phasesRunInOrderWithOneNumberPerAttempt() {
        Harness h;
        std::vector<double> script;
        // Phase A: the second draw repeats the first and is drawn again.
        const std::array<int, 10> firstAddends{19, 0, 5, 7, 3, 12, 18, 1, 9, 4};
        script.push_back(drawing(19));
        script.push_back(drawing(19));  // taken already: drawn again
        for (int i = 1; i < 10; ++i) script.push_back(drawing(firstAddends[i]));
        // Phase B: one draw each, scaled by 20 - first addend.
        const std::array<int, 10> secondAddends{0, 19, 14, 0, 16, 7, 1, 18, 10, 15};
        for (int i = 0; i < 10; ++i)
            script.push_back(drawing(secondAddends[i], 20 - firstAddends[i]));
        // Phase C: minuends 1..20, one repeat.
        const std::array<int, 10> minuends{20, 1, 2, 15, 9, 11, 6, 13, 17, 10};
        script.push_back(drawing(20, 20, 1));
        script.push_back(drawing(1, 20, 1));
        script.push_back(drawing(1, 20, 1));  // taken already
        for (int i = 2; i < 10; ++i) script.push_back(drawing(minuends[i], 20, 1));
        // Phase D: a subtrahend larger than its minuend is drawn again; equal is accepted.
        const std::array<int, 10> subtrahends{19, 1, 0, 15, 3, 11, 6, 0, 17, 4};
        script.push_back(drawing(19));
        script.push_back(drawing(5));  // 5 > 1: drawn again
        script.push_back(drawing(1));
        for (int i = 2; i < 10; ++i) script.push_back(drawing(subtrahends[i]));
        h.random.script(script);

        h.click(70);
        QCOMPARE(h.random.taken, int(script.size()));
        QCOMPARE(h.random.reseeds, 1);
        const GameState& s = h.form.state();
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(s.primoaddendo[k], float(firstAddends[k - 1]));
            QCOMPARE(s.secondoaddendo[k], float(secondAddends[k - 1]));
            QCOMPARE(s.somma[k].number(), float(firstAddends[k - 1] + secondAddends[k - 1]));
            QCOMPARE(s.minuendo[k], float(minuends[k - 1]));
            QCOMPARE(s.sottraendo[k], float(subtrahends[k - 1]));
            QCOMPARE(s.differenza[k].number(), float(minuends[k - 1] - subtrahends[k - 1]));
        }
        QVERIFY(s.somma[0].isEmpty() && s.differenza[0].isEmpty());
        QCOMPARE(s.primoaddendo[0], 0.0f);
    }

    void everyGameKeepsTheRules() {
        Harness h(7);
        for (int game = 0; game < 300; ++game) {
            h.playOperations([](int k) { return k % 2 == 0; });
            h.typeTotal(true);
            const GameState& s = h.form.state();
            std::set<float> firsts, minuends;
            for (int k = 1; k <= 10; ++k) {
                const float a = s.primoaddendo[k], b = s.secondoaddendo[k];
                const float m = s.minuendo[k], t = s.sottraendo[k];
                QVERIFY(a >= 0 && a <= 19 && b >= 0 && b <= 19 - a);
                QVERIFY(m >= 1 && m <= 20 && t >= 0 && t <= std::min(m, 19.0f));
                QCOMPARE(s.somma[k].number(), a + b);
                QCOMPARE(s.differenza[k].number(), m - t);
                firsts.insert(a);
                minuends.insert(m);
            }
            QCOMPARE(int(firsts.size()), 10);
            QCOMPARE(int(minuends.size()), 10);
        }
        QCOMPARE(h.random.reseeds, 300);
    }

    // Loose checks over many games: a single lucky seed would not pass them all.
    void drawsFollowTheirDistributions() {
        std::array<int, 21> firstAddend{}, minuend{};
        std::array<std::array<int, 21>, 21> subtrahendByMinuend{};
        std::array<std::array<int, 21>, 21> secondByFirst{};
        const int games = 4000;
        Harness h(2024);
        for (int game = 0; game < games; ++game) {
            h.click(70);
            const GameState& s = h.form.state();
            for (int k = 1; k <= 10; ++k) {
                ++firstAddend[int(s.primoaddendo[k])];
                ++minuend[int(s.minuendo[k])];
                ++secondByFirst[int(s.primoaddendo[k])][int(s.secondoaddendo[k])];
                ++subtrahendByMinuend[int(s.minuendo[k])][int(s.sottraendo[k])];
            }
            // Close the game by hand so that the next click starts another.
            h.form.state().add = h.form.state().sott = 0;
            h.form.image(70).setEnabled(true);
        }
        const double expected = games * 10.0 / 20.0;
        for (int v = 0; v <= 19; ++v) {
            QVERIFY2(std::abs(firstAddend[v] - expected) < 0.1 * expected,
                     qPrintable(QString::number(v)));
            QVERIFY(std::abs(minuend[v + 1] - expected) < 0.1 * expected);
        }
        QCOMPARE(firstAddend[20], 0);
        QCOMPARE(minuend[0], 0);
        // Given its first addend a, a second addend is uniform on 0..19-a.
        for (int a : {0, 10, 17}) {
            int total = 0;
            for (int b = 0; b <= 20; ++b) total += secondByFirst[a][b];
            const double each = double(total) / (20 - a);
            for (int b = 0; b <= 19 - a; ++b) {
                QVERIFY(std::abs(secondByFirst[a][b] - each) < 0.35 * each);
            }
            QCOMPARE(secondByFirst[a][20 - a], 0);
        }
        // Given its minuend m, a subtrahend is uniform on 0..min(m, 19).
        for (int m : {1, 8, 20}) {
            int total = 0;
            for (int t = 0; t <= 20; ++t) total += subtrahendByMinuend[m][t];
            const int top = std::min(m, 19);
            const double each = double(total) / (top + 1);
            for (int t = 0; t <= top; ++t) {
                QVERIFY(std::abs(subtrahendByMinuend[m][t] - each) < 0.35 * each);
            }
            QCOMPARE(subtrahendByMinuend[m][top + 1], 0);
        }
    }

    void newGameResetsTheBoardAndTheCountersButNotTheKindCounters() {
        Harness h(5);
        h.playOperations([](int k) { return k % 3 != 0; });
        Form1& f = h.form;
        GameState& s = f.state();
        QVERIFY(s.numeroverdi + s.numerorossi + s.numeroazzurri > 0);
        h.typeTotal(false);  // a wrong total: the sad face and fish are showing
        QVERIFY(f.image(69).visible());
        s.totgelati = Variant(33.0f);  // a value no new game may touch
        const float caso = s.caso;

        h.click(70);
        QVERIFY(!f.image(71).visible() && f.image(92).visible() && !f.image(93).visible());
        QVERIFY(!f.image(89).visible() && f.image(90).visible());
        QCOMPARE(h.visibleProgressMarkers(), 0);
        for (const PlayerBinding& p : kPlayers) QCOMPARE(h.visibleCones(p.coneRow), 0);
        QVERIFY(f.image(67).visible() && !f.image(68).visible() && !f.image(69).visible());
        QVERIFY(!f.image(70).enabled() && f.image(3).enabled());
        for (float counter : {s.turno, s.totoperazioni, s.gelatoverde, s.gelatorosso,
                              s.gelatoazzurro, s.numeroverdi, s.numerorossi, s.numeroazzurri}) {
            QCOMPARE(counter, 0.0f);
        }
        for (int n : {5, 7, 9}) QCOMPARE(f.label(n).caption(), std::string("0"));
        QCOMPARE(f.textBox(4).text(), std::string());
        QVERIFY(!f.textBox(4).enabled());
        QCOMPARE(s.add, 0.0f);
        QCOMPARE(s.sott, 0.0f);
        QCOMPARE(s.caso, caso);
        QCOMPARE(s.totgelati, Variant(33.0f));
        QVERIFY(!f.image(88).visible());
    }

    void aSecondClickDuringAGameDoesNothing() {
        Harness h;
        h.click(70);
        const int taken = h.random.taken;
        h.click(70);
        QCOMPARE(h.random.taken, taken);
        QCOMPARE(h.random.reseeds, 1);
    }
};

QTEST_APPLESS_MAIN(NewGameTest)
#include "tst_newgame.moc"
