#include "picturewidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/form1.h"
#include "assetstore.h"
#include "dispatch.h"

namespace brivolo {

PictureWidget::PictureWidget(Form1& form, Picture& picture, AssetStore& assets, QWidget* parent)
    : QWidget(parent), form_(form), picture_(picture), assets_(assets) {
    setAttribute(Qt::WA_NoSystemBackground);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, assets_.pixmap(picture_.asset(), size(), devicePixelRatioF()));
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    if (!Form1::hasClickHandler(picture_.number()) || event->button() != Qt::LeftButton) {
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
        dispatch([&] { form_.click(picture_); });
    }
}

}  // namespace brivolo
