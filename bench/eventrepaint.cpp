// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Event to repaint: the time from handing one user event to the window system to the end of
// the repaint it causes, for the abacus click, a digit typed, an answer judged (a cone
// shown) and a new game, on the offscreen platform at the device pixel ratio given:
//
//     brivolo_bench_eventrepaint [--scale 2] [--games N]
//
// The clock runs from the delivery until the event queue holds no more paint work: the
// handlers, the queued Tab that moves the focus, and every paint event with its flush to the
// backing store. The reference is the same measure for a repaint of the whole of a bare
// window of the same size and number of widgets, shown beside the game in the same process.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/form1.h"
#include "app/qt/assetstore.h"
#include "app/qt/fonts.h"
#include "app/qt/formwindow.h"
#include "game/randomsource.h"
#include "samples.h"

using namespace brivolo;

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

PaintCounter* paintCounter = nullptr;

// Runs the posted events until a round brings no new paint; returns the paints done.
int settle() {
    int total = 0;
    for (;;) {
        const int before = paintCounter->paints;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        const int done = paintCounter->paints - before;
        if (done == 0) {
            return total;
        }
        total += done;
    }
}

double msSince(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

class Bench {
public:
    Bench(Form1& form, FormWindow& window) : form_(form), window_(window) {}

    bench::Samples abacus, digit, judged, newGame, reference;
    int paintsSeen = 0;

    void click(const Control& control, bench::Samples* into) {
        QWidget* widget = window_.widgetFor(control);
        const QPoint at = widget->mapTo(&window_, widget->rect().center());
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        paintsSeen += settle();
        if (into != nullptr) {
            into->add(msSince(timer));
        }
    }

    void type(char character, bench::Samples* into) {
        const int key = Qt::Key_0 + (character - '0');
        const QString text(QLatin1Char{character});
        QElapsedTimer timer;
        timer.start();
        qt_handleKeyEvent(window_.windowHandle(), QEvent::KeyPress, key, Qt::NoModifier, text);
        qt_handleKeyEvent(window_.windowHandle(), QEvent::KeyRelease, key, Qt::NoModifier, text);
        paintsSeen += settle();
        if (into != nullptr) {
            into->add(msSince(timer));
        }
    }

    // One whole game with every answer right; `measure` false warms the caches up.
    void playGame(bool measure) {
        click(form_.image(70), measure ? &newGame : nullptr);
        for (int operation = 1; operation <= kOperationsPerGame; ++operation) {
            click(form_.image(3), measure ? &abacus : nullptr);
            const GameState& s = form_.state();
            const std::string answer = (s.caso == 1 ? s.somma[s.add] : s.differenza[s.sott]).text();
            for (std::size_t i = 0; i < answer.size(); ++i) {
                const bool last = i + 1 == answer.size();
                type(answer[i], measure ? (last ? &judged : &digit) : nullptr);
            }
        }
        click(form_.textBox(4), nullptr);
        const GameState& s = form_.state();
        for (const char c : textForm(s.numeroverdi + s.numerorossi + s.numeroazzurri)) {
            type(c, nullptr);
        }
    }

private:
    Form1& form_;
    FormWindow& window_;
};

void report(const char* kind, double scale, const bench::Samples& samples, double referenceMs) {
    std::printf(
        "event_repaint scale=%g kind=%s n=%zu median_ms=%.3f p90_ms=%.3f max_ms=%.3f "
        "ratio=%.2f\n",
        scale, kind, samples.count(), samples.median(), samples.quantile(0.9),
        samples.quantile(1.0), samples.median() / referenceMs);
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string scale = "1";
    int games = 10;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--scale") == 0)
            scale = argv[i + 1];
        if (std::strcmp(argv[i], "--games") == 0)
            games = std::atoi(argv[i + 1]);
    }
    qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(scale));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    loadGameFonts();
    PaintCounter counter;
    paintCounter = &counter;
    app.installEventFilter(&counter);

    AssetStore assets;
    TimeSeededRandom random([] { return std::uint64_t{20240611}; });
    FormWindow window(random, assets);
    Form1& form = window.form();
    form.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was not exposed\n");
        return 1;
    }
    settle();

    Bench bench(form, window);
    bench.playGame(false);
    for (int game = 0; game < games; ++game) {
        bench.playGame(true);
    }

    // The floor: a bare window of the same size and widget count, repainted whole.
    QWidget bare;
    bare.setFixedSize(kClientWidth, kClientHeight);
    for (int i = 0; i < kControlCount; ++i) {
        auto* child = new QWidget(&bare);
        child->setGeometry((i % 12) * 66, (i / 12) * 56, 62, 52);
        child->setAutoFillBackground(true);
    }
    bare.show();
    if (!QTest::qWaitForWindowExposed(&bare)) {
        std::fprintf(stderr, "the bare window was not exposed\n");
        return 1;
    }
    settle();
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        bare.update();
        settle();
        bench.reference.add(msSince(timer));
    }

    const double ratio = window.devicePixelRatioF();
    const double referenceMs = bench.reference.median();
    std::printf("event_repaint scale=%g device_pixel_ratio=%g paints=%d reference_median_ms=%.3f\n",
                ratio, ratio, bench.paintsSeen, referenceMs);
    report("abacus_click", ratio, bench.abacus, referenceMs);
    report("digit_typed", ratio, bench.digit, referenceMs);
    report("answer_judged_cone", ratio, bench.judged, referenceMs);
    report("new_game", ratio, bench.newGame, referenceMs);
    return 0;
}
