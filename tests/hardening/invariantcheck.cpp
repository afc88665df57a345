// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "invariantcheck.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "app/form1.h"
#include "app/qt/formwindow.h"
#include "support/gamerules.h"

namespace brivolo::hardening {

namespace {

bool allDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class Checker {
public:
    Checker(const Form1& form, const FormWindow& window) : form_(form), window_(window) {}

    QStringList run() {
        violations_ = test::brokenGameRules(form_);
        checkWidgets();
        return violations_;
    }

private:
    void fail(const QString& message) { violations_.append(message); }

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

    const Form1& form_;
    const FormWindow& window_;
    QStringList violations_;
};

}  // namespace

QStringList invariantViolations(const Form1& form, const FormWindow& window) {
    return Checker(form, window).run();
}

}  // namespace brivolo::hardening
