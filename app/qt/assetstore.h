#pragma once

#include <QCursor>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <memory>

#include "app/assets.h"

class QSvgRenderer;

namespace brivolo {

// Renders the window's pictures from their SVG drawings, built into the program, at the size
// they are shown and the screen's device pixel ratio; each is rendered once per size.
class AssetStore {
public:
    AssetStore();
    ~AssetStore();
    AssetStore(const AssetStore&) = delete;
    AssetStore& operator=(const AssetStore&) = delete;

    // The picture stretched to `logicalSize` (width and height independently).
    QPixmap pixmap(Asset asset, QSize logicalSize, qreal devicePixelRatio);
    // The picture at its own pixel size times `scale`, premultiplied ARGB.
    QImage image(Asset asset, qreal scale = 1.0);
    QImage render(Asset asset, QSize deviceSize);

    QCursor handCursor(qreal devicePixelRatio);
    QImage renderDrawing(std::string_view drawing, QSize deviceSize);
    static QString resourcePath(std::string_view drawing);

private:
    QSvgRenderer& renderer(std::string_view drawing, const std::array<ColourSwap, 3>& swaps);

    QHash<QString, std::shared_ptr<QSvgRenderer>> renderers_;
    QHash<QString, QPixmap> pixmaps_;
    QHash<qreal, QCursor> cursors_;
};

}  // namespace brivolo
