// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The window at the screen scale set by QT_SCALE_FACTOR (ctest runs this at 1, 1.5 and 2):
// 792 x 566 logical pixels at that many device pixels, pictures and text drawn at device
// resolution, edges and outlines still crisp.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QWindow>
#include <QtTest>
#include <cmath>

#include "support/windowfixture.h"

using namespace brivolo;

namespace {

int greenness(QRgb pixel) {
    return std::max(0, qGreen(pixel) - std::max(qRed(pixel), qBlue(pixel)));
}

int blueness(QRgb pixel) {
    return std::max(0, qBlue(pixel) - std::max(qRed(pixel), qGreen(pixel)));
}

// Pixels along a row or column that are neither clearly inside nor clearly outside a shape:
// a crisp edge has at most one, a 1x bitmap scaled up has two or more.
int transitionPixels(const QImage& image, QPoint from, QPoint step, int count,
                     int (*inside)(QRgb)) {
    int partial = 0;
    QPoint at = from;
    for (int i = 0; i < count; ++i, at += step) {
        const int value = inside(image.pixel(at));
        if (value > 40 && value < 215) {
            ++partial;
        }
    }
    return partial;
}

// Sum of squared differences between neighbouring pixels, per unit of length: a step edge
// rendered at the device resolution gives its whole contrast at once, an upscaled one spreads
// it over several pixels and so scores lower.
double edgeEnergy(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 1; x < image.width(); ++x) {
            const QRgb a = image.pixel(x - 1, y);
            const QRgb b = image.pixel(x, y);
            const double d = std::abs(qGray(a) - qGray(b));
            sum += d * d;
        }
    }
    return sum / image.height();
}

// Of the strong steps between neighbouring device pixels in `area`, the share that falls inside
// one logical pixel. A 1x bitmap enlarged pixel by pixel has none there, while a picture drawn
// at the device resolution has them wherever its edges happen to fall: about 1 - 1/scale.
double shareOfStepsInsideLogicalPixels(const QImage& image, const QRect& area, qreal scale) {
    int steps = 0;
    int inside = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left() + 1; x <= area.right(); ++x) {
            if (std::abs(qGray(image.pixel(x - 1, y)) - qGray(image.pixel(x, y))) <= 32) {
                continue;
            }
            ++steps;
            if (std::floor((x - 1) / scale) == std::floor(x / scale)) {
                ++inside;
            }
        }
    }
    return steps == 0 ? 0.0 : static_cast<double>(inside) / steps;
}

}  // namespace

class ScalingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void windowIsLogicalSizeAtDeviceResolution();
    void scoreSquareEdgesAreCrisp();
    void balloonOutlineIsCrisp();
    void picturesAndTextAreDrawnAtDeviceResolution_data();
    void picturesAndTextAreDrawnAtDeviceResolution();

private:
    qreal scale_ = 1.0;
    std::unique_ptr<test::WindowFixture> fixture_;
    Form1* form_ = nullptr;
    FormWindow* window_ = nullptr;
    QImage shot_;
};

void ScalingTest::initTestCase() {
    bool isNumber = false;
    scale_ = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble(&isNumber);
    QVERIFY(isNumber);
    fixture_ = std::make_unique<test::WindowFixture>();
    form_ = &fixture_->form;
    window_ = fixture_->window.get();
    QVERIFY(fixture_->showExposed());
    // A game with an operation on show: balloon, operands and score squares are all drawn.
    form_->click(form_->image(70));
    form_->click(form_->image(3));
    QCoreApplication::processEvents();
    shot_ = window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void ScalingTest::cleanupTestCase() {
    fixture_.reset();
}

void ScalingTest::windowIsLogicalSizeAtDeviceResolution() {
    QCOMPARE(window_->size(), QSize(792, 566));
    QCOMPARE(window_->windowHandle()->devicePixelRatio(), scale_);
    QCOMPARE(shot_.size(), QSize(qRound(792 * scale_), qRound(566 * scale_)));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
}

void ScalingTest::scoreSquareEdgesAreCrisp() {
    // Label5, the green square at (232, 504, 41, 41).
    const int middle = qRound((504 + 20) * scale_);
    const int left = qRound(232 * scale_);
    const int top = qRound(504 * scale_);
    const int reach = qRound(4 * scale_);
    QCOMPARE(greenness(shot_.pixel(left + reach, middle)), 255);
    QVERIFY(greenness(shot_.pixel(left - reach, middle)) < 40);
    QVERIFY2(transitionPixels(shot_, {left - reach, middle}, {1, 0}, 2 * reach, greenness) <= 1,
             "the left edge of the green score square is blurred");
    const int centre = qRound((232 + 20) * scale_);
    QVERIFY2(transitionPixels(shot_, {centre, top - reach}, {0, 1}, 2 * reach, greenness) <= 1,
             "the top edge of the green score square is blurred");
}

void ScalingTest::balloonOutlineIsCrisp() {
    // Shape1, the operation balloon at (40, 80, 321, 81): a 2 px blue outline. Across its top
    // edge, away from the rounded corners and the operands, the outline is 2 px at the scale.
    const int column = qRound(330 * scale_);
    const int top = qRound(80 * scale_);
    const int reach = qRound(6 * scale_);
    int solid = 0;
    for (int y = top - reach; y < top + reach; ++y) {
        solid += blueness(shot_.pixel(column, y)) >= 215 ? 1 : 0;
    }
    QVERIFY2(std::abs(solid - 2 * scale_) <= 1.0,
             qPrintable(QStringLiteral("the outline is %1 device pixels thick").arg(solid)));
    QVERIFY2(transitionPixels(shot_, {column, top - reach}, {0, 1}, 2 * reach, blueness) <= 2,
             "the balloon's outline is blurred");
}

void ScalingTest::picturesAndTextAreDrawnAtDeviceResolution_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("calculator") << QStringLiteral("Image70");
    QTest::newRow("abacus") << QStringLiteral("Image3");
    QTest::newRow("uncle") << QStringLiteral("Image2");
    QTest::newRow("title text") << QStringLiteral("Label11");
    QTest::newRow("first operand") << QStringLiteral("Label1");
}

void ScalingTest::picturesAndTextAreDrawnAtDeviceResolution() {
    QFETCH(QString, control);
    QWidget* shown = window_->findChild<QWidget*>(control);
    QVERIFY(shown != nullptr);
    const QRect area(shown->mapTo(window_, QPoint(0, 0)), shown->size());
    const QRect device(qRound(area.x() * scale_), qRound(area.y() * scale_),
                       qRound(area.width() * scale_), qRound(area.height() * scale_));
    const QImage sharp = shot_.copy(device);

    // What a program drawing only at 1x would show: the same area at 1x, scaled up.
    QImage oneToOne(area.size(), QImage::Format_RGB32);
    oneToOne.setDevicePixelRatio(1.0);
    window_->render(&oneToOne, QPoint(), QRegion(area));
    const QImage upscaled =
        oneToOne.scaled(device.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    const double ratio = edgeEnergy(sharp) / edgeEnergy(upscaled);
    const double inside = shareOfStepsInsideLogicalPixels(shot_, device, scale_);
    if (scale_ == 1.0) {
        QVERIFY2(std::abs(ratio - 1.0) < 0.05, qPrintable(QString::number(ratio)));
        return;
    }
    // Smoothly enlarged, the edges lose steepness: the ratio stays near 1, where step edges
    // drawn at the device resolution give about the scale.
    QVERIFY2(
        ratio > 1.0 + (scale_ - 1.0) * 0.6,
        qPrintable(
            QStringLiteral("%1 looks enlarged from 1x (edge ratio %2)").arg(control).arg(ratio)));
    // Enlarged pixel by pixel, the edges stay steep but keep to the logical grid.
    QVERIFY2(
        inside > 0.5 * (1.0 - 1.0 / scale_),
        qPrintable(QStringLiteral("%1 keeps to the 1x grid (share %2)").arg(control).arg(inside)));
}

QTEST_MAIN(ScalingTest)
#include "tst_scaling.moc"
