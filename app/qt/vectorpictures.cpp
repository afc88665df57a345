// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "vectorpictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <deque>
#include <string>

#include "app/picturesvg.h"

namespace brivolo {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text of a drawing built into the program; empty, with a warning, when there is none.
QByteArray drawingText(std::string_view drawing) {
    QFile file(QStringLiteral(":/assets/") + toQString(drawing));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("brivolo: the picture %s cannot be read; it is left blank",
                 qUtf8Printable(file.fileName()));
        return {};
    }
    return file.readAll();
}

// The picture's document, which the core composes of the drawings built into the program.
QByteArray pictureDocument(const PictureDescription& picture) {
    std::deque<std::string> texts;  // the drawings, kept while the document is made
    return QByteArray::fromStdString(pictureSvg(picture, [&texts](std::string_view file) {
        return std::string_view(texts.emplace_back(drawingText(file).toStdString()));
    }));
}

// `keptShare` of the rows, from the top, are drawn; the rest stays transparent.
QImage draw(QSvgRenderer& svg, QSize deviceSize, qreal keptShare = 1.0) {
    QImage out(deviceSize, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    if (deviceSize.isEmpty()) {
        return out;
    }
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (keptShare < 1.0) {
        painter.setClipRect(QRectF(0, 0, deviceSize.width(), deviceSize.height() * keptShare));
    }
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(deviceSize)));
    return out;
}

}  // namespace

VectorPictures::VectorPictures() = default;
VectorPictures::~VectorPictures() = default;

QSvgRenderer& VectorPictures::renderer(const QString& key,
                                       const std::function<QByteArray()>& document) {
    auto found = renderers_.find(key);
    if (found != renderers_.end()) {
        return **found;
    }
    const QByteArray source = document();
    auto svg = std::make_shared<QSvgRenderer>(source);
    if (!source.isEmpty() && !svg->isValid()) {
        qWarning("brivolo: the picture %s is not a drawing; it is left blank", qUtf8Printable(key));
    }
    svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
    return **renderers_.insert(key, svg);
}

QImage VectorPictures::render(Asset asset, QSize deviceSize) {
    const PictureDescription& picture = pictureDescription(asset);
    return draw(renderer(toQString(picture.name), [&picture] { return pictureDocument(picture); }),
                deviceSize, qreal(keptRows(picture)) / picture.height);
}

QImage VectorPictures::renderDrawing(std::string_view drawing, QSize deviceSize) {
    return draw(renderer(toQString(drawing), [drawing] { return drawingText(drawing); }),
                deviceSize);
}

}  // namespace brivolo
