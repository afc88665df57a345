// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "strokewidget.h"

#include <QPainter>

namespace brivolo {

namespace {

QColor blue() {
    const Rgb c = rgb(Paint::Blue);
    return QColor(c.red, c.green, c.blue);
}

}  // namespace

StrokeWidget::StrokeWidget(const ControlLayout& entry, QWidget* parent)
    : QWidget(parent), layout_(entry) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void StrokeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(blue(), kStrokeWidth);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (layout_.kind == ControlKind::Line) {
        const QPoint origin = geometry().topLeft();
        painter.drawLine(QPoint(layout_.from.x, layout_.from.y) - origin,
                         QPoint(layout_.to.x, layout_.to.y) - origin);
    } else {
        const qreal inset = kStrokeWidth / 2.0;
        painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset),
                                kCornerRadius, kCornerRadius);
    }
}

}  // namespace brivolo
