// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The pictures: sizes, transparency, and the families drawn from one source.
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

#include "app/qt/picturepack.h"
#include "app/qt/vectorpictures.h"
#include "support/windowfixture.h"

using namespace brivolo;

namespace {

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
            const QImage image = store.image(picture.asset);
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
            const QImage image = store.image(picture.asset);
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
        const QImage sun = store.image(Asset::Sun);
        for (const auto& r : rows) {
            const QImage image = store.image(r.asset);
            const auto [first, last] = drawnRows(image);
            QCOMPARE(first, r.first);
            QCOMPARE(last, r.last);
            QCOMPARE(image.copy(0, 0, image.width(), r.last + 1),
                     sun.copy(0, 0, sun.width(), r.last + 1));
        }
    }

    void conesDifferOnlyInTheScoop() {
        AssetStore store;
        const QImage green = store.image(Asset::ConeGreen);
        const QImage red = store.image(Asset::ConeRed);
        const QImage blue = store.image(Asset::ConeLightBlue);
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
            const QImage a = store.image(family[0]), b = store.image(family[1]),
                         c = store.image(family[2]);
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
        const QImage hand = store.renderDrawing(kHandPointer.drawing, QSize(32, 32));
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
        AssetStore store;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("missing\\.svg cannot be read")));
        const QImage blank = store.renderDrawing("missing.svg", QSize(8, 8));
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

    // The sizes screens of ratio 1 and 2 need were rendered when the program was built: each
    // is exactly what the drawing renders at that size, and none is missing.
    void prerenderedPicturesAreTheirDrawings() {
        const PicturePack& pack = PicturePack::builtIn();
        VectorPictures drawings;
        for (const PicturePack::Entry& entry : pack.entries()) {
            const std::string name = entry.name.toStdString();
            const auto picture =
                std::find_if(kAssets.begin(), kAssets.end(),
                             [&](const PictureDescription& s) { return s.name == name; });
            const QImage drawn = picture != kAssets.end()
                                     ? drawings.render(picture->asset, entry.size)
                                     : drawings.renderDrawing(name, entry.size);
            QVERIFY2(pack.image(name, entry.size) == drawn, name.c_str());
        }
        const PictureDescription& background = pictureDescription(Asset::BeachBackground);
        for (const int scale : {1, 2}) {
            QVERIFY(!pack.image(background.name, QSize(800, 600) * scale).isNull());
            QVERIFY(!pack.image(kHandPointer.drawing, QSize(32, 32) * scale).isNull());
            for (const ControlLayout& control : layout()) {
                if (control.kind == ControlKind::Picture) {
                    const QSize size = QSize(control.rect.width, control.rect.height) * scale;
                    QVERIFY2(!pack.image(pictureDescription(control.asset).name, size).isNull(),
                             pictureDescription(control.asset).name.data());
                }
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
