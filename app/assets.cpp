// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "assets.h"

#include <stdexcept>

namespace brivolo {

const PictureDescription& pictureDescription(Asset asset) {
    for (const PictureDescription& picture : kAssets) {
        if (picture.asset == asset) {
            return picture;
        }
    }
    throw std::invalid_argument("no picture for this asset");
}

}  // namespace brivolo
