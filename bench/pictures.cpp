// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Pictures: the time to render every picture of the window, cold, through AssetStore, at
// device pixel ratio 1 and 2; then the same requests again, which the store must answer
// from its cache (same pixmap, no new rendering). The reference is the least any store of
// pre-drawn pictures pays: filling images of the same pixel sizes and making pixmaps of them.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <cstdio>
#include <set>
#include <utility>
#include <vector>

#include "app/layout.h"
#include "app/qt/assetstore.h"
#include "samples.h"

using namespace brivolo;

namespace {

struct Request {
    Asset asset;
    QSize logicalSize;
};

// Every picture the window shows: each picture control at its rectangle, and the
// background at its own size.
std::vector<Request> windowPictures() {
    std::vector<Request> requests;
    for (const ControlLayout& entry : layout()) {
        if (entry.kind == ControlKind::Picture) {
            requests.push_back({entry.asset, QSize(entry.rect.width, entry.rect.height)});
        }
    }
    const PictureDescription& background = pictureDescription(Asset::BeachBackground);
    requests.push_back({Asset::BeachBackground, QSize(background.width, background.height)});
    return requests;
}

double msSince(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const std::vector<Request> requests = windowPictures();
    constexpr int kRounds = 7;

    for (const qreal ratio : {1.0, 2.0}) {
        bench::Samples cold;
        bench::Samples reference;
        bench::Samples warm;
        bool allCached = true;
        std::set<std::pair<int, std::pair<int, int>>> distinct;
        for (int round = 0; round < kRounds; ++round) {
            AssetStore store;
            QElapsedTimer timer;
            timer.start();
            std::vector<QPixmap> first;
            for (const Request& r : requests) {
                first.push_back(store.pixmap(r.asset, r.logicalSize, ratio));
            }
            first.push_back(store.handCursor(ratio).pixmap());
            cold.add(msSince(timer));

            timer.restart();
            for (std::size_t i = 0; i < requests.size(); ++i) {
                const QPixmap again =
                    store.pixmap(requests[i].asset, requests[i].logicalSize, ratio);
                allCached = allCached && again.cacheKey() == first[i].cacheKey();
            }
            warm.add(msSince(timer));

            timer.restart();
            for (const QPixmap& pixmap : first) {
                QImage blank(pixmap.size(), QImage::Format_ARGB32_Premultiplied);
                blank.fill(Qt::transparent);
                QPixmap made = QPixmap::fromImage(blank);
                made.setDevicePixelRatio(ratio);
            }
            reference.add(msSince(timer));
            for (const Request& r : requests) {
                distinct.insert({int(r.asset), {r.logicalSize.width(), r.logicalSize.height()}});
            }
        }
        std::printf(
            "pictures scale=%g requests=%zu distinct=%zu cold_median_ms=%.2f "
            "reference_median_ms=%.3f ratio=%.1f warm_median_ms=%.3f cached=%s\n",
            double(ratio), requests.size() + 1, distinct.size() + 1, cold.median(),
            reference.median(), cold.median() / reference.median(), warm.median(),
            allCached ? "yes" : "no");
    }
    return 0;
}
