// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "picturewidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "app/form1.h"
#include "app/stacking.h"
#include "assetstore.h"
#include "keyevent.h"
#include "pictureaccessible.h"

namespace brivolo {

PictureWidget::PictureWidget(Form1& form, Picture& picture, AssetStore& assets, QWidget* parent)
    : QWidget(parent), form_(form), picture_(picture), assets_(assets) {
    setAttribute(Qt::WA_NoSystemBackground);
    installPictureAccessibility();
    if (Form1::takesFocus(ControlKind::Picture, picture.number())) {
        setFocusPolicy(Qt::TabFocus);
    }
}

bool PictureWidget::isButton() const {
    return Form1::hasClickHandler(picture_.number());
}

void PictureWidget::click() {
    form_.click(picture_);
}

bool PictureWidget::isInFront() const {
    return pictureInFront(form_, picture_) == &picture_;
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, assets_.pixmap(picture_.asset(), size(), devicePixelRatioF()));
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    if (!isButton() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed_ = true;
}

// A click is a press and a release of the left button over the picture.
void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_ || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed_ = false;
    if (rect().contains(event->position().toPoint())) {
        click();
    }
}

void PictureWidget::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (!isButton() || !pressesButton(keyStroke(*event, text))) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        click();
    }
}

}  // namespace brivolo
