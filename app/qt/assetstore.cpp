// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "assetstore.h"

#include <cmath>

namespace brivolo {

AssetStore::AssetStore() : prerendered_(PicturePack::builtIn()) {}

QSize AssetStore::deviceSize(QSize logicalSize, qreal devicePixelRatio) {
    return QSize(int(std::ceil(logicalSize.width() * devicePixelRatio - 0.01)),
                 int(std::ceil(logicalSize.height() * devicePixelRatio - 0.01)));
}

QString AssetStore::key(Asset asset, QSize deviceSize) {
    return QStringLiteral("%1/%2x%3")
        .arg(int(asset))
        .arg(deviceSize.width())
        .arg(deviceSize.height());
}

void AssetStore::prepare(Asset asset, QSize logicalSize, qreal devicePixelRatio) {
    const QSize size = deviceSize(logicalSize, devicePixelRatio);
    const QString name = key(asset, size);
    if (pixmaps_.contains(name) || unpacking_.contains(name)) {
        return;
    }
    // Only the unpacking runs there: a QImage may be made on any thread, a QPixmap may not.
    unpacking_.insert(name, std::async(std::launch::async, [&pack = prerendered_, asset, size] {
                                return pack.image(pictureDescription(asset).name, size);
                            }).share());
}

QPixmap AssetStore::pixmap(Asset asset, QSize logicalSize, qreal devicePixelRatio) {
    const QSize size = deviceSize(logicalSize, devicePixelRatio);
    const QString name = key(asset, size);
    auto found = pixmaps_.find(name);
    if (found != pixmaps_.end()) {
        return *found;
    }
    QImage image;
    if (auto unpacking = unpacking_.find(name); unpacking != unpacking_.end()) {
        image = unpacking->get();
        unpacking_.erase(unpacking);
    } else {
        image = prerendered_.image(pictureDescription(asset).name, size);
    }
    if (image.isNull()) {
        image = drawings_.render(asset, size);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmaps_.insert(name, pixmap);
    return pixmap;
}

QCursor AssetStore::handCursor(qreal devicePixelRatio) {
    if (auto found = cursors_.find(devicePixelRatio); found != cursors_.end()) {
        return *found;
    }
    const QSize size(int(std::lround(kHandPointer.width * devicePixelRatio)),
                     int(std::lround(kHandPointer.height * devicePixelRatio)));
    QImage image = prerendered_.image(kHandPointer.drawing, size);
    if (image.isNull()) {
        image = drawings_.renderDrawing(kHandPointer.drawing, size);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return *cursors_.insert(devicePixelRatio,
                            QCursor(pixmap, kHandPointer.hotspotX, kHandPointer.hotspotY));
}

QIcon AssetStore::programIcon() {
    QIcon icon;
    for (const auto [side, forWindow] : kProgramIconSizes) {
        if (!forWindow) {
            continue;
        }
        const QSize size(side, side);
        QImage image = prerendered_.image(kProgramIcon, size);
        if (image.isNull()) {
            image = drawings_.renderDrawing(kProgramIcon, size);
        }
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

}  // namespace brivolo
