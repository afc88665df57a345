// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Random events through the real front end: whatever arrives, in whatever order, the game's
// rules hold after every single event.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <random>

#include "app/qt/fonts.h"
#include "envcount.h"
#include "invariantcheck.h"
#include "randomevents.h"
#include "support/sensibleplayer.h"
#include "windowundertest.h"

using namespace brivolo;
using namespace brivolo::hardening;
using brivolo::test::SensiblePlayer;

class RandomEventsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { loadGameFonts(); }
    void checkerReportsBrokenStates();
    void invariantsHoldAfterEveryEvent();
};

namespace {

bool mentions(const QStringList& violations, const char* word) {
    for (const QString& line : violations) {
        if (line.contains(QLatin1String(word))) {
            return true;
        }
    }
    return false;
}

}  // namespace

// The check below is only worth its events if it notices a broken window.
void RandomEventsTest::checkerReportsBrokenStates() {
    {
        WindowUnderTest w(1);
        QVERIFY2(invariantViolations(w.form(), w.window()).isEmpty(), "fresh window");
        w.form().image(coneImageNumber(ConeRow::Red, 1)).setVisible(true);
        QVERIFY(mentions(invariantViolations(w.form(), w.window()), "cones shown"));
    }
    {
        WindowUnderTest w(1);
        w.form().image(progressImageNumber(3)).setVisible(true);
        w.form().image(progressImageNumber(7)).setVisible(true);
        QVERIFY(mentions(invariantViolations(w.form(), w.window()), "progress markers"));
    }
    {
        WindowUnderTest w(1);
        w.form().state().add = 3;
        QVERIFY(mentions(invariantViolations(w.form(), w.window()), "totoperazioni"));
        w.form().state().totoperazioni = 3;
        QVERIFY(invariantViolations(w.form(), w.window()).isEmpty());
        w.form().state().add = 11;
        w.form().state().totoperazioni = 11;
        QVERIFY(mentions(invariantViolations(w.form(), w.window()), "outside 0..10"));
    }
    {
        WindowUnderTest w(1);
        auto* box = static_cast<QLineEdit*>(w.widgetFor(w.form().textBox(2)));
        box->setText(QStringLiteral("4"));
        QVERIFY(mentions(invariantViolations(w.form(), w.window()), "but the control holds"));
        box->setText(QStringLiteral("4x"));
        QVERIFY(mentions(invariantViolations(w.form(), w.window()), "holds \"4x\""));
    }
    {
        WindowUnderTest w(1);
        w.widgetFor(w.form().image(70))->hide();
        QVERIFY(mentions(invariantViolations(w.form(), w.window()), "Image70 widget visibility"));
    }
}

// Mostly random events, with a sensible move now and then so that games run to their end
// and new ones start. BRIVOLO_RANDOM_EVENTS sets the number of events, BRIVOLO_RANDOM_SEED
// the seed (a failure names both, to replay it).
void RandomEventsTest::invariantsHoldAfterEveryEvent() {
    const long events = countFromEnvironment("BRIVOLO_RANDOM_EVENTS", 100000);
    const auto seed = std::uint64_t(countFromEnvironment("BRIVOLO_RANDOM_SEED", 20240611));
    WindowUnderTest w(seed);
    RandomEvents randomEvents(w, seed + 1);
    SensiblePlayer player(w, seed + 2);
    std::mt19937_64 chooser(seed + 3);
    std::bernoulli_distribution sensible(0.45);

    QElapsedTimer clock;
    clock.start();
    long gamesFinished = 0;
    long gamesStarted = 0;
    bool judged = false;
    for (long event = 1; event <= events; ++event) {
        if (w.endRequested()) {
            w.reopen();
            judged = false;
        }
        const float operationsBefore = w.form().state().totoperazioni;
        if (!sensible(chooser) || !player.step()) {
            randomEvents.deliverOne();
        }
        const QStringList violations = invariantViolations(w.form(), w.window());
        if (!violations.isEmpty()) {
            QFAIL(
                qPrintable(QStringLiteral("after event %1 (seed %2): %3\nlast deliveries: %4")
                               .arg(event)
                               .arg(seed)
                               .arg(violations.join(QStringLiteral("; ")), w.recentDeliveries())));
        }
        const bool nowJudged = w.form().image(68).visible() || w.form().image(69).visible();
        gamesFinished += (nowJudged && !judged) ? 1 : 0;
        judged = nowJudged;
        gamesStarted += (w.form().state().totoperazioni == 1 && operationsBefore != 1) ? 1 : 0;
    }
    qInfo("%ld events in %.1f s: %ld games started, %ld finished, %d windows opened", events,
          static_cast<double>(clock.elapsed()) / 1000.0, gamesStarted, gamesFinished,
          w.windowsOpened());
    // The sensible moves must carry games through; otherwise the random part never reaches
    // the final box or the later operations.
    QVERIFY2(gamesFinished * 400 >= events,
             qPrintable(QStringLiteral("only %1 games finished").arg(gamesFinished)));
}

QTEST_MAIN(RandomEventsTest)
#include "tst_randomevents.moc"
