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

StrokeWidget::StrokeWidget(const ControlSpec& spec, QWidget* parent)
    : QWidget(parent), spec_(spec) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(geometryFor(spec));
}

QRect StrokeWidget::geometryFor(const ControlSpec& spec) {
    const Rect& r = spec.rect;
    if (spec.kind == ControlKind::Line) {
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
    if (spec_.kind == ControlKind::Line) {
        const QPoint origin = geometry().topLeft();
        painter.drawLine(QPoint(spec_.from.x, spec_.from.y) - origin,
                         QPoint(spec_.to.x, spec_.to.y) - origin);
    } else {
        const qreal inset = kStrokeWidth / 2.0;
        painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset),
                                kCornerRadius, kCornerRadius);
    }
}

}  // namespace brivolo
