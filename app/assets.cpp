#include "assets.h"

#include <stdexcept>

namespace brivolo {

const AssetSpec& assetSpec(Asset asset) {
    for (const AssetSpec& spec : kAssets) {
        if (spec.asset == asset) {
            return spec;
        }
    }
    throw std::invalid_argument("no picture for this asset");
}

}  // namespace brivolo
