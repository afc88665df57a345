// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "vectorpictures.h"

#include <QDebug>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace brivolo {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString swapsKey(const std::array<ColourSwap, 3>& swaps) {
    QString key;
    for (const ColourSwap& swap : swaps) {
        key += toQString(swap.from) + u'>' + toQString(swap.to) + u';';
    }
    return key;
}

}  // namespace

VectorPictures::VectorPictures() = default;
VectorPictures::~VectorPictures() = default;

QString VectorPictures::resourcePath(std::string_view drawing) {
    return QStringLiteral(":/assets/") + toQString(drawing);
}

QSvgRenderer& VectorPictures::renderer(std::string_view drawing,
                                       const std::array<ColourSwap, 3>& swaps) {
    const QString key = toQString(drawing) + u'|' + swapsKey(swaps);
    auto found = renderers_.find(key);
    if (found != renderers_.end()) {
        return **found;
    }
    QFile file(resourcePath(drawing));
    QByteArray source;
    if (file.open(QIODevice::ReadOnly)) {
        source = file.readAll();
    } else {
        qWarning("brivolo: the picture %s cannot be read; it is left blank",
                 qUtf8Printable(file.fileName()));
    }
    for (const ColourSwap& swap : swaps) {
        if (!swap.from.empty()) {
            source.replace(QByteArray(swap.from.data(), qsizetype(swap.from.size())),
                           QByteArray(swap.to.data(), qsizetype(swap.to.size())));
        }
    }
    auto svg = std::make_shared<QSvgRenderer>(source);
    if (!source.isEmpty() && !svg->isValid()) {
        qWarning("brivolo: the picture %s is not a drawing; it is left blank",
                 qUtf8Printable(file.fileName()));
    }
    svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
    return **renderers_.insert(key, svg);
}

QImage VectorPictures::render(Asset asset, QSize deviceSize) {
    const PictureDescription& picture = pictureDescription(asset);
    QImage out(deviceSize, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    if (deviceSize.isEmpty()) {
        return out;
    }
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A cut picture shows the top of its drawing: the drawing keeps its own proportions
    // and whatever lies below the cut is not drawn.
    const qreal rowScale = qreal(deviceSize.height()) / picture.height;
    const qreal drawingHeight =
        picture.drawingHeight > 0 ? picture.drawingHeight * rowScale : deviceSize.height();
    const QRectF target(0, 0, deviceSize.width(), drawingHeight);
    renderer(picture.drawing, picture.swaps).render(&painter, target);
    if (!picture.overlay.empty()) {
        renderer(picture.overlay, {}).render(&painter, target);
    }
    if (picture.lastDrawnRow >= 0) {
        const int keptRows = int(std::lround((picture.lastDrawnRow + 1) * rowScale));
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(QRect(0, keptRows, deviceSize.width(), deviceSize.height()),
                         Qt::transparent);
    }
    return out;
}

QImage VectorPictures::renderDrawing(std::string_view drawing, QSize deviceSize) {
    QImage out(deviceSize, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer(drawing, {}).render(&painter, QRectF(QPointF(0, 0), QSizeF(deviceSize)));
    return out;
}

}  // namespace brivolo
