// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The pictures: sizes, transparency, and the families drawn from one source.
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>
#include <cmath>

#include "app/layout.h"
#include "app/qt/assetstore.h"
#include "app/qt/picturepack.h"
#include "app/qt/vectorpictures.h"

using namespace brivolo;

namespace {

// The picture as the window gets it, at its own size times `scale`.
QImage ownSize(AssetStore& store, Asset asset, qreal scale = 1.0) {
    const PictureDescription& picture = pictureDescription(asset);
    return store.pixmap(asset, QSize(picture.width, picture.height), scale).toImage();
}

// The picture laid together by hand from its drawing files: the base with its colours swapped,
// the overlay over it, and the rows below a cut cleared, each file drawn on its own.
QImage laidByHand(const PictureDescription& picture, QSize size) {
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal rowScale = qreal(size.height()) / picture.height;
    const int drawnHeight = picture.drawingHeight > 0 ? picture.drawingHeight : picture.height;
    const QRectF area(0, 0, size.width(), drawnHeight * rowScale);
    for (const std::string_view file : {picture.drawing, picture.overlay}) {
        QFile svg(QStringLiteral(":/assets/") +
                  QString::fromUtf8(file.data(), qsizetype(file.size())));
        if (file.empty() || !svg.open(QIODevice::ReadOnly)) {
            continue;
        }
        QByteArray text = svg.readAll();
        for (const ColourSwap& swap : picture.swaps) {
            if (file == picture.drawing && !swap.from.empty()) {
                text.replace(QByteArray(swap.from.data(), qsizetype(swap.from.size())),
                             QByteArray(swap.to.data(), qsizetype(swap.to.size())));
            }
        }
        QSvgRenderer renderer(text);
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        renderer.render(&painter, area);
    }
    if (picture.lastDrawnRow >= 0) {
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(
            QRectF(0, (picture.lastDrawnRow + 1) * rowScale, size.width(), size.height()),
            Qt::transparent);
    }
    return out;
}

QImage over(const QImage& picture, QColor ground) {
    QImage out(picture.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(ground);
    QPainter p(&out);
    p.drawImage(0, 0, picture);
    return out;
}

std::pair<int, int> drawnRows(const QImage& image) {
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

}  // namespace

class AssetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyPictureHasItsSizeAndTransparency() {
        AssetStore store;
        for (const PictureDescription& picture : kAssets) {
            const QImage image = ownSize(store, picture.asset);
            QCOMPARE(image.size(), QSize(picture.width, picture.height));
            int transparent = 0, opaque = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const int alpha = qAlpha(image.pixel(x, y));
                    transparent += alpha == 0;
                    opaque += alpha == 255;
                }
            }
            const int all = picture.width * picture.height;
            if (picture.opaque) {
                QCOMPARE(opaque, all);
            } else {
                QVERIFY2(transparent > all / 20, picture.name.data());  // a real surround
                QVERIFY2(opaque > all / 20, picture.name.data());       // and a real picture
                QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
                QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
            }
        }
    }

    void theSurroundShowsWhateverLiesBehind() {
        AssetStore store;
        for (const PictureDescription& picture : kAssets) {
            const QImage image = ownSize(store, picture.asset);
            const QImage onRed = over(image, Qt::red), onBlue = over(image, Qt::blue);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const int alpha = qAlpha(image.pixel(x, y));
                    const bool same = onRed.pixel(x, y) == onBlue.pixel(x, y);
                    if (alpha == 255)
                        QVERIFY(same);
                    if (alpha == 0)
                        QVERIFY(!same);
                }
            }
        }
    }

    void setSunsAreTheSunCutAtTheirRows() {
        AssetStore store;
        const struct {
            Asset asset;
            int first, last;
        } rows[] = {{Asset::Sun, 2, 210},         {Asset::SunSetting1, 2, 177},
                    {Asset::SunSetting2, 2, 151}, {Asset::SunSetting3, 2, 159},
                    {Asset::SunSetting4, 2, 124}, {Asset::SunSetting5, 2, 103}};
        const QImage sun = ownSize(store, Asset::Sun);
        for (const auto& r : rows) {
            const QImage image = ownSize(store, r.asset);
            const auto [first, last] = drawnRows(image);
            QCOMPARE(first, r.first);
            QCOMPARE(last, r.last);
            QCOMPARE(image.copy(0, 0, image.width(), r.last + 1),
                     sun.copy(0, 0, sun.width(), r.last + 1));
        }
    }

    void conesDifferOnlyInTheScoop() {
        AssetStore store;
        const QImage green = ownSize(store, Asset::ConeGreen);
        const QImage red = ownSize(store, Asset::ConeRed);
        const QImage blue = ownSize(store, Asset::ConeLightBlue);
        int lowestDifference = -1, differing = 0;
        for (int y = 0; y < green.height(); ++y) {
            for (int x = 0; x < green.width(); ++x) {
                const bool redDiffers = green.pixel(x, y) != red.pixel(x, y);
                QCOMPARE(redDiffers, green.pixel(x, y) != blue.pixel(x, y));
                QCOMPARE(qAlpha(green.pixel(x, y)), qAlpha(red.pixel(x, y)));
                if (redDiffers) {
                    lowestDifference = y;
                    ++differing;
                }
            }
        }
        QVERIFY(differing > green.width() * green.height() / 10);
        QVERIFY(lowestDifference < green.height() * 0.6);  // the waffle cone below stays the same
    }

    void moodsShareTheirOutline() {
        AssetStore store;
        const Asset families[][3] = {{Asset::FishWaiting, Asset::FishHappy, Asset::FishSad},
                                     {Asset::FaceNeutral, Asset::FaceSmiling, Asset::FaceSad}};
        for (const auto& family : families) {
            const QImage a = ownSize(store, family[0]), b = ownSize(store, family[1]),
                         c = ownSize(store, family[2]);
            int same = 0, differing = 0;
            for (int y = 0; y < a.height(); ++y) {
                for (int x = 0; x < a.width(); ++x) {
                    QCOMPARE(qAlpha(a.pixel(x, y)) > 0,
                             qAlpha(c.pixel(x, y)) > 0 || qAlpha(a.pixel(x, y)) > 0);
                    const bool allSame =
                        a.pixel(x, y) == b.pixel(x, y) && b.pixel(x, y) == c.pixel(x, y);
                    (allSame ? same : differing) += 1;
                }
            }
            QVERIFY(differing > 0);                       // each mood has a face of its own
            QVERIFY(differing < (same + differing) / 5);  // on one shared body
        }
    }

    void theCursorHasItsHotspotOnTheFingertip() {
        AssetStore store;
        const QImage hand = store.handCursor(1.0).pixmap().toImage();
        QCOMPARE(hand.size(), QSize(32, 32));
        const auto [first, last] = drawnRows(hand);
        QCOMPARE(first, kHandPointer.hotspotY);
        QVERIFY(qAlpha(hand.pixel(kHandPointer.hotspotX, kHandPointer.hotspotY)) > 0 ||
                qAlpha(hand.pixel(kHandPointer.hotspotX - 1, kHandPointer.hotspotY)) > 0);
        QVERIFY(last > 24);
        const QCursor cursor = store.handCursor(2.0);
        QCOMPARE(cursor.hotSpot(), QPoint(kHandPointer.hotspotX, kHandPointer.hotspotY));
    }

    void aPictureThatCannotBeReadIsReportedAndLeftBlank() {
        VectorPictures drawings;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("missing\\.svg cannot be read")));
        const QImage blank = drawings.renderDrawing("missing.svg", QSize(8, 8));
        QCOMPARE(blank.size(), QSize(8, 8));
        for (int y = 0; y < blank.height(); ++y) {
            for (int x = 0; x < blank.width(); ++x) {
                QCOMPARE(qAlpha(blank.pixel(x, y)), 0);
            }
        }
    }

    void picturesAreRenderedOncePerSize() {
        AssetStore store;
        const QPixmap first = store.pixmap(Asset::ConeRed, QSize(17, 33), 2.0);
        const QPixmap again = store.pixmap(Asset::ConeRed, QSize(17, 33), 2.0);
        QCOMPARE(first.cacheKey(), again.cacheKey());
        QCOMPARE(first.size(), QSize(34, 66));
        QCOMPARE(first.deviceIndependentSize(), QSizeF(17, 33));
        // Unpacked ahead on another thread, at a ratio from the pack and at one drawn anew.
        for (const qreal ratio : {1.0, 1.5}) {
            AssetStore ahead;
            ahead.prepare(Asset::Uncle, QSize(215, 308), ratio);
            QCOMPARE(ahead.pixmap(Asset::Uncle, QSize(215, 308), ratio).toImage(),
                     store.pixmap(Asset::Uncle, QSize(215, 308), ratio).toImage());
        }
    }

    // The one document a picture is drawn from gives what its drawings laid one over the other
    // give, at every size the window shows it; a cut may differ in the row where it falls.
    void documentsDrawWhatTheirDrawingsLaidTogetherDraw() {
        VectorPictures drawings;
        for (const ControlLayout& control : layout()) {
            if (control.kind != ControlKind::Picture) {
                continue;
            }
            const PictureDescription& picture = pictureDescription(control.asset);
            const QSize size(control.rect.width, control.rect.height);
            const QImage drawn = drawings.render(control.asset, size);
            const QImage expected = laidByHand(picture, size);
            const int cutRow = int(
                std::lround((picture.lastDrawnRow + 1) * qreal(size.height()) / picture.height));
            for (int y = 0; y < size.height(); ++y) {
                if (picture.lastDrawnRow >= 0 && std::abs(y - cutRow) <= 1) {
                    continue;
                }
                for (int x = 0; x < size.width(); ++x) {
                    QVERIFY2(drawn.pixel(x, y) == expected.pixel(x, y),
                             qPrintable(
                                 QStringLiteral("%1 at %2,%3").arg(control.number).arg(x).arg(y)));
                }
            }
        }
    }

    // Every picture a screen of ratio 1 or 2 shows is in the pack built with the program, at
    // the size it is shown, so that none has to be drawn while the program starts.
    void thePackHoldsEverySizeTheWindowShows() {
        const PicturePack& pack = PicturePack::builtIn();
        const auto holds = [&](std::string_view name, QSize size) {
            QVERIFY2(pack.image(name, size).size() == size, std::string(name).c_str());
        };
        for (const int scale : {1, 2}) {
            holds("beach-background", QSize(800, 600) * scale);
            holds(kHandPointer.drawing, QSize(32, 32) * scale);
            for (const ControlLayout& control : layout()) {
                if (control.kind == ControlKind::Picture) {
                    holds(pictureDescription(control.asset).name,
                          QSize(control.rect.width, control.rect.height) * scale);
                }
            }
        }
        for (const auto [side, forWindow] : kProgramIconSizes) {
            if (forWindow) {
                holds(kProgramIcon, QSize(side, side));
            }
        }
    }

    void aPackGivesBackWhatWasPutIn() {
        QImage runs(40, 30, QImage::Format_ARGB32_Premultiplied);
        runs.fill(qRgba(0, 0, 128, 128));
        QImage noise(7, 5, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < noise.height(); ++y) {
            for (int x = 0; x < noise.width(); ++x) {
                noise.setPixel(x, y, qRgba(x * 30, y * 40, (x * y) % 7, 255));
            }
        }
        runs.setPixel(3, 4, qRgba(255, 0, 0, 255));
        QByteArray data;
        PicturePack::append(data, "runs", runs);
        PicturePack::append(data, "noise-picture", noise);
        const PicturePack pack(data);
        QCOMPARE(pack.image("runs", runs.size()), runs);
        QCOMPARE(pack.image("noise-picture", noise.size()), noise);
        QVERIFY(pack.image("runs", QSize(30, 40)).isNull());
        QVERIFY(pack.image("noise", noise.size()).isNull());
        QVERIFY(
            PicturePack(data.left(data.size() - 4)).image("noise-picture", noise.size()).isNull());
    }
};

QTEST_MAIN(AssetsTest)
#include "tst_assets.moc"
