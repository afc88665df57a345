// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "invariantcheck.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "app/form1.h"
#include "app/qt/formwindow.h"

namespace brivolo::hardening {

namespace {

bool allDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isWhole(float value, float low, float high) {
    return value >= low && value <= high && value == static_cast<float>(static_cast<int>(value));
}

class Checker {
public:
    Checker(Form1& form, const FormWindow& window) : form_(form), window_(window) {}

    QStringList run() {
        checkCounters();
        checkProgressRow();
        checkCones();
        checkWidgets();
        return violations_;
    }

private:
    void fail(const QString& message) { violations_.append(message); }

    void checkCounters() {
        const GameState& s = form_.state();
        const std::pair<const char*, std::pair<float, float>> bounded[] = {
            {"add", {s.add, kOperationsPerKind}},
            {"sott", {s.sott, kOperationsPerKind}},
            {"totoperazioni", {s.totoperazioni, kOperationsPerGame}},
            {"turno", {s.turno, 2}},
            {"caso", {s.caso, 2}},
        };
        for (const auto& [name, valueAndLimit] : bounded) {
            if (!isWhole(valueAndLimit.first, 0, valueAndLimit.second)) {
                fail(QStringLiteral("%1 = %2 is outside 0..%3")
                         .arg(QLatin1String(name))
                         .arg(double(valueAndLimit.first))
                         .arg(double(valueAndLimit.second)));
            }
        }
        // Once the twentieth answer is judged the final box opens, and the counters are reset
        // at two moments: the operations counter when the box gets the focus, then the kind
        // counters at its first key.
        const bool finalBoxOpen = form_.textBox(4).enabled() &&
                                  s.add + s.sott == kOperationsPerGame && s.totoperazioni == 0;
        if (s.add + s.sott != s.totoperazioni && !finalBoxOpen) {
            fail(QStringLiteral("add + sott = %1 + %2 but totoperazioni = %3")
                     .arg(double(s.add))
                     .arg(double(s.sott))
                     .arg(double(s.totoperazioni)));
        }
    }

    void checkProgressRow() {
        int shown = 0;
        for (int k = 1; k <= kRowLength; ++k) {
            shown += form_.image(progressImageNumber(k)).visible() ? 1 : 0;
        }
        if (shown > 1) {
            fail(QStringLiteral("%1 progress markers shown").arg(shown));
        }
    }

    void checkCones() {
        const GameState& s = form_.state();
        for (std::size_t p = 0; p < kPlayers.size(); ++p) {
            const PlayerBinding& player = kPlayers[p];
            const float score = s.*player.score;
            const float counter = s.*player.iceCreamCounter;
            int cones = 0;
            for (int k = 1; k <= kRowLength; ++k) {
                cones += form_.image(coneImageNumber(player.coneRow, k)).visible() ? 1 : 0;
            }
            if (!isWhole(counter, 0, kRowLength) || !isWhole(score, 0, kRowLength)) {
                fail(QStringLiteral("player %1: counter %2, score %3 out of range")
                         .arg(p + 1)
                         .arg(double(counter))
                         .arg(double(score)));
            }
            if (float(cones) != score || counter != score) {
                fail(QStringLiteral("player %1: %2 cones shown, counter %3, score %4")
                         .arg(p + 1)
                         .arg(cones)
                         .arg(double(counter))
                         .arg(double(score)));
            }
            const std::string& caption = form_.label(player.scoreLabel).caption();
            const bool beforeFirstGame = caption.empty() && score == 0;
            if (caption != textForm(score) && !beforeFirstGame) {
                fail(QStringLiteral("player %1: score label \"%2\" for score %3")
                         .arg(p + 1)
                         .arg(QString::fromStdString(caption))
                         .arg(double(score)));
            }
        }
    }

    void checkWidgets() {
        for (const Control* control : form_.controls()) {
            const QWidget* widget = window_.widgetFor(*control);
            const QString name = QString::fromStdString(control->name());
            if (widget == nullptr) {
                fail(name + QStringLiteral(" has no widget"));
                continue;
            }
            if (widget->isHidden() == control->visible()) {
                fail(name + QStringLiteral(" widget visibility differs from the control"));
            }
            if (widget->isEnabled() != control->enabled()) {
                fail(name + QStringLiteral(" widget enabled state differs from the control"));
            }
            if (control->kind() == ControlKind::Label) {
                const auto& label = static_cast<const Label&>(*control);
                if (static_cast<const QLabel*>(widget)->text().toStdString() != label.caption()) {
                    fail(name + QStringLiteral(" widget shows another caption"));
                }
            }
            if (control->kind() == ControlKind::TextBox) {
                const auto& box = static_cast<const TextBox&>(*control);
                const std::string shown =
                    static_cast<const QLineEdit*>(widget)->text().toStdString();
                if (!allDigits(shown) || !allDigits(box.text())) {
                    fail(QStringLiteral("%1 holds \"%2\" (control text \"%3\")")
                             .arg(name, QString::fromStdString(shown),
                                  QString::fromStdString(box.text())));
                } else if (shown != box.text()) {
                    fail(QStringLiteral("%1 shows \"%2\" but the control holds \"%3\"")
                             .arg(name, QString::fromStdString(shown),
                                  QString::fromStdString(box.text())));
                }
            }
        }
    }

    Form1& form_;
    const FormWindow& window_;
    QStringList violations_;
};

}  // namespace

QStringList invariantViolations(Form1& form, const FormWindow& window) {
    return Checker(form, window).run();
}

}  // namespace brivolo::hardening
