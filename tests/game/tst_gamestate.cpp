// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The index rule, the text form of numbers, variants and the random source's range.
#include <QTest>
#include <cmath>
#include <limits>

#include "game/gamestate.h"
#include "game/randomsource.h"
#include "support/scriptedrandom.h"

using namespace brivolo;

namespace {

template <typename Access>
bool failsWithSubscriptError(Access access) {
    try {
        access();
    } catch (const SubscriptError&) {
        return true;
    }
    return false;
}

}  // namespace

class GameStateTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void indicesRoundHalfToEven() {
        QCOMPARE(roundHalfEven(0.5), 0L);
        QCOMPARE(roundHalfEven(1.5), 2L);
        QCOMPARE(roundHalfEven(2.5), 2L);
        QCOMPARE(roundHalfEven(2.4999), 2L);
        QCOMPARE(roundHalfEven(2.5001), 3L);
        QCOMPARE(roundHalfEven(-0.5), 0L);
        QCOMPARE(roundHalfEven(-1.5), -2L);
        QCOMPARE(roundHalfEven(20.0), 20L);
    }

    void checkedArraysIndexByTheRoundedCounter() {
        CheckedArray<float, 11> values;
        values[10.4] = 7;  // rounds to 10
        QCOMPARE(values[10], 7.0f);
        QCOMPARE(values[10.5], 7.0f);  // ties go to the even index, 10
    }

    void boundsAfterRounding() {
        CheckedArray<float, 11> values;
        QCOMPARE(values[-0.5], 0.0f);  // rounds to 0
        QVERIFY(failsWithSubscriptError([&] { (void)values[-1]; }));
        QVERIFY(failsWithSubscriptError([&] { (void)values[11]; }));
        QVERIFY(failsWithSubscriptError([&] { (void)values[11.5]; }));  // rounds to 12
        QVERIFY(failsWithSubscriptError(
            [&] { (void)values[std::numeric_limits<double>::quiet_NaN()]; }));
        QVERIFY(failsWithSubscriptError([&] { (void)values[1e300]; }));
    }

    void unboundImageElementIsAnError() {
        ImageArray row;
        QVERIFY(failsWithSubscriptError([&] { (void)row[0]; }));
        QVERIFY(failsWithSubscriptError([&] { (void)row[21]; }));
    }

    void numbersAreWrittenInTheirShortestForm() {
        QCOMPARE(textForm(0.0f), std::string("0"));
        QCOMPARE(textForm(9.0f), std::string("9"));
        QCOMPARE(textForm(10.0f), std::string("10"));
        QCOMPARE(textForm(20.0f), std::string("20"));
        QCOMPARE(textForm(-0.0f).find(' '), std::string::npos);
        QCOMPARE(textForm(-3.0f), std::string("-3"));
        QCOMPARE(textForm(16777216.0f), std::string("16777216"));
        // Not whole: the fewest digits that read back as the same float.
        QCOMPARE(textForm(0.5f), std::string("0.5"));
        QCOMPARE(textForm(0.1f), std::string("0.1"));
        QCOMPARE(textForm(1.0f / 3.0f), std::string("0.33333334"));
        QCOMPARE(textForm(1e20f), std::string("1e+20"));
    }

    void variantsAreEmptyUntilSet() {
        Variant empty;
        QVERIFY(empty.isEmpty());
        QCOMPARE(empty.text(), std::string());
        QCOMPARE(empty.number(), 0.0f);
        Variant twelve(12.0f);
        QVERIFY(!twelve.isEmpty());
        QCOMPARE(twelve.text(), std::string("12"));
        QCOMPARE(Variant(0.0f).text(), std::string("0"));
    }

    void randomNumbersStayBelowOne() {
        std::uint64_t now = 42;
        TimeSeededRandom random([&] { return now; });
        double lowest = 1.0, highest = 0.0;
        for (int i = 0; i < 200000; ++i) {
            const double r = random.next();
            QVERIFY(r >= 0.0 && r < 1.0);
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        QVERIFY(lowest < 0.001 && highest > 0.999);
        QCOMPARE(unitInterval(~std::uint64_t{0}), 1.0 - 0x1.0p-53);
        QCOMPARE(unitInterval(0), 0.0);
    }

    void theLargestNumberNeverDrawsPastTheRange() {
        // Just below 1, every draw still lands on the top of its range: a first addend of 19,
        // a minuend of 20, a subtraction (kind 2), never one past it.
        test::ScriptedRandom random;
        const double largest = 1.0 - 0x1.0p-53;
        for (int scale = 1; scale <= 20; ++scale) {
            random.script({largest, largest});
            QCOMPARE(drawWhole(random, scale), float(scale - 1));
            QCOMPARE(drawWhole(random, scale, 1), float(scale));
        }
        random.script({0.0, 0.5 - 0x1.0p-54, 0.5});
        QCOMPARE(drawWhole(random, 2, 1), 1.0f);
        QCOMPARE(drawWhole(random, 2, 1), 1.0f);
        QCOMPARE(drawWhole(random, 2, 1), 2.0f);
    }

    // Making one reads no clock, since the browser build makes it at build time.
    void seedsAtItsFirstDrawAndReseedingFromTheSameTimeRepeats() {
        std::uint64_t now = 1000;
        int reads = 0;
        TimeSeededRandom random([&] {
            ++reads;
            return now;
        });
        QCOMPARE(reads, 0);
        const double first = random.next();
        QCOMPARE(reads, 1);
        random.reseedFromTimeOfDay();
        QCOMPARE(random.next(), first);
        now = 1001;
        random.reseedFromTimeOfDay();
        QVERIFY(random.next() != first);
    }
};

QTEST_APPLESS_MAIN(GameStateTest)
#include "tst_gamestate.moc"
