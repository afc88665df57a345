// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Where start-up goes: the program's own start-up steps, as main.cpp runs them, each timed,
// up to the first paint of the window. One process is one cold start; the runner repeats it.
#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <cstdio>

#include "app/form1.h"
#include "app/qt/assetstore.h"
#include "app/qt/fonts.h"
#include "app/qt/formwindow.h"
#include "game/randomsource.h"

using namespace brivolo;

namespace {

class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    double mark = 0;
    auto lap = [&] {
        const double now = double(clock.nsecsElapsed()) / 1e6;
        const double spent = now - mark;
        mark = now;
        return spent;
    };

    std::future<void> fontConfiguration = readFontConfiguration();
    QApplication app(argc, argv);
    const double application = lap();
    fontConfiguration.wait();
    loadGameFonts();
    std::future<void> installedFonts = listInstalledFonts();
    const double fonts = lap();
    AssetStore assets;
    QApplication::setWindowIcon(assets.programIcon());
    const double icon = lap();
    FormWindow::prepareBackground(assets, app.devicePixelRatio());
    const double background = lap();
    TimeSeededRandom random;
    installedFonts.wait();
    const double fontList = lap();
    FormWindow window(random, assets);
    window.form().load();
    const double formWindow = lap();
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    window.show();
    while (!firstPaint.painted) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    QCoreApplication::processEvents();
    const double paint = lap();
    std::printf(
        "startup_phases qapplication_ms=%.2f fonts_ms=%.2f icon_ms=%.2f background_ms=%.2f "
        "font_list_wait_ms=%.2f window_and_widgets_ms=%.2f show_and_first_paint_ms=%.2f "
        "total_ms=%.2f\n",
        application, fonts, icon, background, fontList, formWindow, paint, mark);
    return 0;
}
