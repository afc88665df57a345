// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Soak: ten thousand whole games through the front end, with the resident memory flat.
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "app/qt/fonts.h"
#include "envcount.h"
#include "support/sensibleplayer.h"
#include "windowundertest.h"

using namespace brivolo;
using namespace brivolo::hardening;
using brivolo::test::SensiblePlayer;

class SoakTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { loadGameFonts(); }
    void wholeGamesKeepMemoryFlat();
};

namespace {

// Resident memory of this process in KiB, from /proc/self/status.
long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

// Plays until the total of the game has been judged and the next game can be started.
// Returns the number of moves it took.
int playWholeGame(WindowUnderTest& w, SensiblePlayer& player) {
    Form1& form = w.form();
    int moves = 0;
    // The first move starts the game; a game needs some 70 moves, 200 leaves room for waste.
    do {
        if (!player.step()) {
            return -1;
        }
        ++moves;
    } while (!(form.image(68).visible() || form.image(69).visible()) && moves < 200);
    return moves;
}

}  // namespace

// BRIVOLO_SOAK_GAMES sets the number of games. The first tenth warms the caches up (the
// pictures at every size they are shown, the fonts' glyphs); from then on nothing may grow.
void SoakTest::wholeGamesKeepMemoryFlat() {
    const long games = countFromEnvironment("BRIVOLO_SOAK_GAMES", 10000);
    const long warmUp = std::max(1L, games / 10);
    WindowUnderTest w(7);
    SensiblePlayer player(w, 8, 0.6);
    // Painting after each of some 700,000 moves would take several minutes; the window is
    // painted whole at the end of every fifth game instead, each time showing other scores.
    // The random-event test paints after every event.
    w.window().setUpdatesEnabled(false);

    QElapsedTimer clock;
    clock.start();
    long startKiB = 0;
    long peakKiB = 0;
    for (long game = 1; game <= games; ++game) {
        const int moves = playWholeGame(w, player);
        QVERIFY2(
            moves > 0 && moves < 200,
            qPrintable(QStringLiteral("game %1 did not finish (%2 moves)").arg(game).arg(moves)));
        QVERIFY(!w.endRequested());
        if (game % 5 == 0) {
            w.window().setUpdatesEnabled(true);
            w.window().repaint();
            w.window().setUpdatesEnabled(false);
        }
        if (game == warmUp) {
            startKiB = residentKiB();
        }
        if (game > warmUp) {
            peakKiB = std::max(peakKiB, residentKiB());
        }
    }
    const long endKiB = residentKiB();
    qInfo(
        "%ld games in %.1f s; resident memory after game %ld: %ld KiB, at the end: %ld KiB, "
        "highest in between: %ld KiB",
        games, static_cast<double>(clock.elapsed()) / 1000.0, warmUp, startKiB, endKiB, peakKiB);
    QVERIFY(startKiB > 0);
    // A leak of a hundred bytes a game would add about 1 MiB over 9,000 games.
    QVERIFY2(peakKiB - startKiB <= 512,
             qPrintable(QStringLiteral("resident memory grew from %1 KiB to %2 KiB")
                            .arg(startKiB)
                            .arg(peakKiB)));
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
