// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "app/assets.h"

class QSvgRenderer;

namespace brivolo {

// Draws the window's pictures, at any pixel size, from the documents the core composes of the
// SVG drawings built into the program. Each document is parsed once and kept.
class VectorPictures {
public:
    VectorPictures();
    ~VectorPictures();
    VectorPictures(const VectorPictures&) = delete;
    VectorPictures& operator=(const VectorPictures&) = delete;

    // The picture stretched to `deviceSize`, premultiplied ARGB; clear below its kept rows.
    QImage render(Asset asset, QSize deviceSize);
    // A drawing that is not one of the pictures (the cursor, the program icon).
    QImage renderDrawing(std::string_view drawing, QSize deviceSize);

private:
    QSvgRenderer& renderer(const QString& key, const std::function<QByteArray()>& document);

    QHash<QString, std::shared_ptr<QSvgRenderer>> renderers_;
};

}  // namespace brivolo
