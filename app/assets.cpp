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
