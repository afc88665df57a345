// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "accessibility.h"

#include <QWidget>

#include "app/form1.h"
#include "app/spokentext.h"
#include "formwindow.h"
#include "pictureaccessible.h"

namespace brivolo {

namespace {

void apply(QWidget& widget, const SpokenText& spoken) {
    const QString name = QString::fromStdString(spoken.name);
    const QString description = QString::fromStdString(spoken.description);
    if (!name.isEmpty() && widget.accessibleName() != name) {
        widget.setAccessibleName(name);
    } else if (name.isEmpty() && widget.inherits("QLabel") && !widget.accessibleName().isEmpty()) {
        widget.setAccessibleName({});  // the label's own text speaks again
    }
    if (widget.accessibleDescription() != description) {
        widget.setAccessibleDescription(description);
    }
}

}  // namespace

void updateSpokenTexts(const Form1& form, const FormWindow& window) {
    for (const Control* control : form.controls()) {
        if (!readAgainAfterHandlers(form, *control)) {
            continue;
        }
        QWidget* widget = window.widgetFor(*control);
        if (widget == nullptr) {
            continue;
        }
        if (spokenTextChanges(*control)) {
            apply(*widget, spokenText(form, *control));
        }
        if (auto* picture = dynamic_cast<PictureAccessible*>(
                QAccessible::isActive() ? QAccessible::queryAccessibleInterface(widget)
                                        : nullptr)) {
            picture->updateInFront();
        }
    }
}

}  // namespace brivolo
