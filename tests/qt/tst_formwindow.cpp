// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The Qt window: one widget per control, stacked by rank, mirroring the core, and drawn
// with the background cropped and the pictures at device pixels.
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include "app/picturesvg.h"
#include "support/windowfixture.h"

using namespace brivolo;
using namespace brivolo::test;

namespace {

// The pixels where `mask` is opaque and `image` differs from `other`.
int differingOpaquePixels(const QImage& image, const QImage& other, const QImage& mask) {
    int differing = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (qAlpha(mask.pixel(x, y)) == 255 && image.pixel(x, y) != other.pixel(x, y)) {
                ++differing;
            }
        }
    }
    return differing;
}

// The picture as the window gets it for a control of `logical` size.
QImage picture(WindowFixture& f, Asset asset, QSize logical, qreal dpr) {
    return f.assets.pixmap(asset, logical, dpr).toImage();
}

QImage region(const QImage& grab, const QRect& logical, qreal dpr) {
    return grab.copy(QRect((logical.topLeft() * dpr), logical.size() * dpr));
}

}  // namespace

class FormWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowIsFixedWithItsCaption() {
        WindowFixture f;
        QCOMPARE(
            f.window->windowTitle(),
            QStringLiteral("ZELTRAMO      Il Numero:  Addizioni e sottrazioni in riga (entro 20)"));
        QCOMPARE(f.window->size(), QSize(792, 566));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    }

    void everyControlHasItsWidgetInPlace() {
        WindowFixture f;
        for (Control* control : f.form.controls()) {
            QWidget* w = f.window->widgetFor(*control);
            QVERIFY(w != nullptr);
            QCOMPARE(w->objectName(), QString::fromStdString(control->name()));
            const Rect& r = control->layout().rect;
            if (control->kind() == ControlKind::Line) {
                QVERIFY(w->geometry().contains(
                    QPoint(control->layout().from.x, control->layout().from.y)));
                QVERIFY(
                    w->geometry().contains(QPoint(control->layout().to.x, control->layout().to.y)));
            } else {
                QCOMPARE(w->geometry(), QRect(r.left, r.top, r.width, r.height));
            }
            QCOMPARE(w->isVisibleTo(f.window.get()), control->visible());
            QCOMPARE(w->isEnabled(), control->enabled());
        }
    }

    void widgetsAreStackedByRank() {
        WindowFixture f;
        const QObjectList children = f.window->children();
        int previousRank = kControlCount + 1;
        int widgets = 0;
        for (QObject* child : children) {
            for (Control* control : f.form.controls()) {
                if (f.window->widgetFor(*control) == child) {
                    QVERIFY(control->layout().stackRank < previousRank);  // later children in front
                    previousRank = control->layout().stackRank;
                    ++widgets;
                }
            }
        }
        QCOMPARE(widgets, kControlCount);
    }

    void propertyChangesReachTheWidgets() {
        WindowFixture f;
        f.form.label(1).setCaption("17");
        QCOMPARE(static_cast<QLabel*>(f.widget(ControlKind::Label, 1))->text(),
                 QStringLiteral("17"));
        f.form.textBox(2).setText("5");
        QCOMPARE(static_cast<QLineEdit*>(f.box(2))->text(), QStringLiteral("5"));
        f.form.image(71).setVisible(true);
        QVERIFY(f.image(71)->isVisibleTo(f.window.get()));
        f.form.image(70).setEnabled(false);
        QVERIFY(!f.image(70)->isEnabled());
        f.clickImage(70);  // a disabled picture takes no click
        QCOMPARE(f.random.reseeds, 0);
    }

    void backgroundIsCroppedNotScaled() {
        WindowFixture f;
        f.window->show();
        const QImage shot = f.grab();
        const qreal dpr = f.window->devicePixelRatioF();
        QCOMPARE(shot.size(), QSize(792, 566) * dpr);
        const QImage background = picture(f, Asset::BeachBackground, QSize(800, 600), dpr);
        QCOMPARE(background.size(), QSize(800, 600) * dpr);
        QRegion covered;
        for (QObject* child : f.window->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w != nullptr && w->isVisibleTo(f.window.get())) {
                covered += QRect(w->geometry().topLeft() * dpr, w->geometry().size() * dpr)
                               .adjusted(-1, -1, 1, 1);
            }
        }
        int compared = 0, differing = 0;
        for (int y = 0; y < shot.height(); y += 3) {
            for (int x = 0; x < shot.width(); x += 3) {
                if (!covered.contains(QPoint(x, y))) {
                    ++compared;
                    differing += shot.pixel(x, y) != background.pixel(x, y);
                }
            }
        }
        QVERIFY(compared > shot.width() * shot.height() / 9 / 3);
        QCOMPARE(differing, 0);
    }

    void aLowerRankHidesAHigherOneInTheSameRectangle() {
        WindowFixture f;
        f.window->show();
        const qreal dpr = f.window->devicePixelRatioF();
        // Where the front picture is opaque, nothing behind it shows.
        const QRect faces(600, 496, 48, 48);
        const QImage neutralMask = picture(f, Asset::FaceNeutral, faces.size(), dpr);
        f.form.image(67).setVisible(true);
        f.form.image(68).setVisible(false);
        f.form.image(69).setVisible(false);
        const QImage neutral = region(f.grab(), faces, dpr);
        f.form.image(68).setVisible(true);
        f.form.image(69).setVisible(true);
        QCOMPARE(differingOpaquePixels(region(f.grab(), faces, dpr), neutral, neutralMask), 0);
        f.form.image(67).setVisible(false);
        const QImage sadMask = picture(f, Asset::FaceSad, faces.size(), dpr);
        const QImage both = region(f.grab(), faces, dpr);  // 69 (116) in front of 68 (117)
        f.form.image(68).setVisible(false);
        const QImage sad = region(f.grab(), faces, dpr);
        QCOMPARE(differingOpaquePixels(both, sad, sadMask), 0);
        QVERIFY(differingOpaquePixels(sad, neutral, sadMask) > 0);

        const QRect fish(240, 280, 144, 113);
        const QImage wrongMask = picture(f, Asset::FishSad, fish.size(), dpr);
        f.form.image(92).setVisible(false);
        f.form.image(93).setVisible(true);
        const QImage wrong = region(f.grab(), fish, dpr);
        f.form.image(92).setVisible(true);
        f.form.image(71).setVisible(true);
        const QImage all = region(f.grab(), fish, dpr);  // 93 (rank 6) in front of 92 and 71
        QCOMPARE(differingOpaquePixels(all, wrong, wrongMask), 0);
        f.form.image(93).setVisible(false);
        QVERIFY(differingOpaquePixels(region(f.grab(), fish, dpr), wrong, wrongMask) > 0);
    }

    // The suns cut above their picture's bottom leave the scene below the cut as it was.
    void aCutSunShowsTheSceneBelowItsCut() {
        WindowFixture f;
        f.window->show();
        const qreal dpr = f.window->devicePixelRatioF();
        for (const int number : {84, 85}) {
            Picture& sun = f.form.image(number);
            const PictureDescription& picture = pictureDescription(sun.asset());
            const Rect r = sun.layout().rect;
            const int cut = r.top + (r.height * keptRows(picture) - 1) / picture.height + 1;
            const QRect below(r.left, cut + 1, r.width, r.top + r.height - cut - 1);
            const QRect above(r.left, r.top, r.width, cut - r.top - 1);
            const QImage scene = f.grab();
            sun.setVisible(true);
            const QImage shown = f.grab();
            sun.setVisible(false);
            QCOMPARE(region(shown, below, dpr), region(scene, below, dpr));
            QVERIFY(region(shown, above, dpr) != region(scene, above, dpr));
        }
    }

    void picturesAreDrawnAtDevicePixels() {
        WindowFixture f;
        f.window->show();
        const qreal dpr = f.window->devicePixelRatioF();
        f.form.image(68).setVisible(false);
        f.form.image(69).setVisible(false);
        const QRect faces(600, 496, 48, 48);
        const QImage shown = region(f.grab(), faces, dpr);
        const QImage native = picture(f, Asset::FaceNeutral, faces.size(), dpr);
        // The same picture drawn at 1x and scaled up: what a blurry screen would show.
        const QImage upscaled =
            picture(f, Asset::FaceNeutral, faces.size(), 1.0)
                .scaled(faces.size() * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(differingOpaquePixels(shown, native, native), 0);
        if (dpr > 1) {
            QVERIFY(differingOpaquePixels(shown, upscaled, native) > 100);
        }
    }

    void scoreSquaresShowTheirScoresAfterANewGame() {
        WindowFixture f;
        f.window->show();
        f.clickImage(70);
        for (int n : {5, 7, 9}) {
            QCOMPARE(static_cast<QLabel*>(f.widget(ControlKind::Label, n))->text(),
                     QStringLiteral("0"));
        }
        QVERIFY(f.image(3)->isEnabled());
        QVERIFY(!f.image(70)->isEnabled());
    }
};

QTEST_MAIN(FormWindowTest)
#include "tst_formwindow.moc"
