// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Whole games played with random clicks and keys anywhere: the game's invariants hold after
// every event and no index ever leaves its array.
#include <QTest>
#include <memory>
#include <random>

#include "support/fakes.h"

using namespace brivolo;
using namespace brivolo::test;

namespace {

class RandomPlayer {
public:
    explicit RandomPlayer(std::uint64_t seed) : dice_(seed) { restart(); }

    int events = 0;
    int restarts = 0;

    void step() {
        ++events;
        const int action = pick(100);
        Harness& h = *harness_;
        if (action < 30) {
            h.answer(pick(2) == 0);
        } else if (action < 40) {
            h.clickAbacus();
        } else if (action < 45) {
            h.click(70);
        } else if (action < 55) {
            h.typeTotal(pick(3) != 0);
        } else if (action < 70) {
            h.click(1 + pick(93));  // any picture: hidden, disabled, without a handler
        } else if (action < 75) {
            h.focusBox(1 + pick(4));
        } else if (action < 80) {
            h.pressTab();
        } else if (action < 85) {
            h.keyWithoutCharacter();
        } else {
            static constexpr short kCodes[] = {'0', '5',  '9',    8,  0,      7,    9,
                                               13,  27,   47,     58, 'a',    'Z',  127,
                                               128, 0xE0, 0x20AC, -1, -32768, 32767};
            h.type(kCodes[pick(int(std::size(kCodes)))]);
        }
        if (h.form.ended()) {
            restart();  // the quit sun was clicked: a new run of the program
        }
    }

    // Returns an empty string when every invariant holds, else what broke.
    std::string brokenInvariant() {
        Harness& h = *harness_;
        const GameState& s = h.form.state();
        if (s.totoperazioni > 0 && s.add + s.sott != s.totoperazioni)
            return "add + sott";
        if (s.add > 10 || s.sott > 10 || s.totoperazioni > 20)
            return "counter range";
        if (h.visibleProgressMarkers() > 1)
            return "more than one marker";
        const float scores[3] = {s.numeroverdi, s.numerorossi, s.numeroazzurri};
        for (int p = 0; p < 3; ++p) {
            if (float(h.visibleCones(kPlayers[p].coneRow)) != scores[p])
                return "cones and score";
        }
        for (int n = 1; n <= 4; ++n) {
            for (char c : h.form.textBox(n).text()) {
                if (c < '0' || c > '9')
                    return "non-digit in a box";
            }
        }
        return {};
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice_); }
    void restart() {
        if (harness_) {
            earlierGames_ += harness_->random.reseeds;
        }
        harness_ = std::make_unique<Harness>(dice_());
        ++restarts;
    }

    std::mt19937_64 dice_;
    std::unique_ptr<Harness> harness_;
    int earlierGames_ = 0;

public:
    int gamesStarted() const { return earlierGames_ + harness_->random.reseeds; }
};

}  // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void invariantsHoldAfterEveryEvent() {
        for (std::uint64_t seed : {1u, 2u, 3u}) {
            RandomPlayer player(seed);
            while (player.events < 250000) {
                try {
                    player.step();
                } catch (const std::exception& error) {
                    QFAIL(qPrintable(
                        QStringLiteral("event %1: %2").arg(player.events).arg(error.what())));
                }
                const std::string broken = player.brokenInvariant();
                QVERIFY2(broken.empty(), qPrintable(QStringLiteral("seed %1, event %2: %3")
                                                        .arg(seed)
                                                        .arg(player.events)
                                                        .arg(QString::fromStdString(broken))));
            }
            QVERIFY2(player.gamesStarted() > 700,
                     qPrintable(QString::number(player.gamesStarted())));
        }
    }
};

QTEST_APPLESS_MAIN(RandomPlayTest)
#include "tst_randomplay.moc"
