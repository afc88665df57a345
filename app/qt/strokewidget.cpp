// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "strokewidget.h"

#include <QPainter>

namespace brivolo {

namespace {

// Lines get a margin so that their 2 px pen is not cut at the ends.
constexpr int kLineMargin = kStrokeWidth;

QColor blue() {
    const Rgb c = rgb(Paint::Blue);
    return QColor(c.red, c.green, c.blue);
}

}  // namespace

StrokeWidget::StrokeWidget(const ControlLayout& entry, QWidget* parent)
    : QWidget(parent), layout_(entry) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(geometryFor(entry));
}

QRect StrokeWidget::geometryFor(const ControlLayout& entry) {
    const Rect& r = entry.rect;
    if (entry.kind == ControlKind::Line) {
        return QRect(r.left - kLineMargin, r.top - kLineMargin, r.width + 2 * kLineMargin,
                     r.height + 2 * kLineMargin);
    }
    return QRect(r.left, r.top, r.width, r.height);
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
