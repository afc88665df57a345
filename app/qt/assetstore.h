// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QCursor>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <future>

#include "app/assets.h"
#include "picturepack.h"
#include "vectorpictures.h"

namespace brivolo {

// The window's pictures at the size they are shown and the screen's device pixel ratio, each
// made once per size. The sizes that ratios 1 and 2 need were rendered from the SVG drawings
// when the program was built and are unpacked; any other size is rendered from the drawings.
class AssetStore {
public:
    AssetStore();
    AssetStore(const AssetStore&) = delete;
    AssetStore& operator=(const AssetStore&) = delete;

    // The picture stretched to `logicalSize` (width and height independently).
    QPixmap pixmap(Asset asset, QSize logicalSize, qreal devicePixelRatio);
    // Starts unpacking, on another thread, a picture that pixmap() is about to be asked for.
    void prepare(Asset asset, QSize logicalSize, qreal devicePixelRatio);

    QCursor handCursor(qreal devicePixelRatio);
    QIcon programIcon();

private:
    static QSize deviceSize(QSize logicalSize, qreal devicePixelRatio);
    static QString key(Asset asset, QSize deviceSize);

    const PicturePack& prerendered_;
    QHash<QString, std::shared_future<QImage>> unpacking_;
    VectorPictures drawings_;
    QHash<QString, QPixmap> pixmaps_;
    QHash<qreal, QCursor> cursors_;
};

}  // namespace brivolo
