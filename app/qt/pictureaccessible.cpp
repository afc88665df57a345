// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "pictureaccessible.h"

#include "picturewidget.h"

namespace brivolo {

namespace {

QAccessibleInterface* createForPicture(const QString&, QObject* object) {
    if (auto* picture = qobject_cast<PictureWidget*>(object)) {
        return new PictureAccessible(picture);
    }
    return nullptr;
}

}  // namespace

PictureAccessible::PictureAccessible(PictureWidget* picture)
    : QAccessibleWidget(picture), reportedInFront_(picture->isInFront()) {}

PictureWidget* PictureAccessible::picture() const {
    return static_cast<PictureWidget*>(widget());
}

QAccessible::Role PictureAccessible::role() const {
    return picture()->isButton() ? QAccessible::Button : QAccessibleWidget::role();
}

QAccessible::State PictureAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (!picture()->isInFront()) {
        state.invisible = true;
    }
    return state;
}

QStringList PictureAccessible::actionNames() const {
    return picture()->isButton() ? QStringList{pressAction()} : QStringList{};
}

void PictureAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && picture()->isButton()) {
        picture()->click();
    }
}

void PictureAccessible::updateInFront() {
    const bool inFront = picture()->isInFront();
    if (inFront == reportedInFront_) {
        return;
    }
    reportedInFront_ = inFront;
    QAccessible::State changed;
    changed.invisible = true;
    QAccessibleStateChangeEvent event(picture(), changed);
    QAccessible::updateAccessibility(&event);
}

void installPictureAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&createForPicture);
        return true;
    }();
    (void)installed;
}

}  // namespace brivolo
