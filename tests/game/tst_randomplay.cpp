// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Whole games played through the core alone, sensible moves mixed with random clicks and keys
// anywhere: the game's rules hold after every event and no index ever leaves its array.
#include <QTest>
#include <array>
#include <memory>
#include <random>

#include "support/gamerules.h"
#include "support/harness.h"
#include "support/sensibleplayer.h"

using namespace brivolo;
using namespace brivolo::test;

namespace {

int pick(std::mt19937_64& dice, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(dice);
}

// What else a user does, at random: a click on any picture (hidden, disabled or without a
// handler), the focus into any box, a Tab, a key that types nothing, or any character code.
void randomEvent(Harness& h, std::mt19937_64& dice) {
    static constexpr std::array<short, 20> kCodes{'0', '5', '9',  8,  0,      7,    9,
                                                  13,  27,  47,   58, 'a',    'Z',  127,
                                                  128, 224, 8364, -1, -32768, 32767};
    switch (pick(dice, 5)) {
        case 0:
            h.click(1 + pick(dice, 93));
            break;
        case 1:
            h.focusBox(1 + pick(dice, kTextBoxCount));
            break;
        case 2:
            h.pressTab();
            break;
        case 3:
            h.keyWithoutCharacter();
            break;
        default:
            h.type(kCodes[std::size_t(pick(dice, int(kCodes.size())))]);
            break;
    }
}

}  // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rulesHoldAfterEveryEvent() {
        for (const std::uint64_t seed : {1u, 2u, 3u}) {
            std::mt19937_64 dice(seed);
            std::unique_ptr<Harness> run;
            std::unique_ptr<SensiblePlayer> player;
            int gamesStarted = 0;
            for (int event = 1; event <= 250000; ++event) {
                if (!run || run->form.ended()) {  // the quit sun: a new run of the program
                    gamesStarted += run ? run->random.reseeds : 0;
                    run = std::make_unique<Harness>(dice());
                    player = std::make_unique<SensiblePlayer>(*run, dice(), 0.5);
                }
                if (pick(dice, 2) == 0 || !player->step()) {
                    randomEvent(*run, dice);
                }
                const QStringList broken = brokenGameRules(run->form);
                QVERIFY2(broken.isEmpty() && run->host.runTimeErrors.empty(),
                         qPrintable(QStringLiteral("seed %1, event %2: %3 %4")
                                        .arg(seed)
                                        .arg(event)
                                        .arg(broken.join(QStringLiteral("; ")))
                                        .arg(QString::fromStdString(
                                            run->host.runTimeErrors.empty()
                                                ? std::string()
                                                : run->host.runTimeErrors.front()))));
            }
            gamesStarted += run->random.reseeds;
            QVERIFY2(gamesStarted > 700, qPrintable(QString::number(gamesStarted)));
        }
    }
};

QTEST_APPLESS_MAIN(RandomPlayTest)
#include "tst_randomplay.moc"
