// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include <QApplication>
#include <QIcon>
#include <optional>

#include "assetstore.h"
#include "autorepeat.h"
#include "displayguard.h"
#include "fonts.h"
#include "formwindow.h"
#include "game/randomsource.h"
#include "toolkittranslation.h"

int main(int argc, char* argv[]) {
    std::future<void> fontConfiguration = brivolo::readFontConfiguration();
    std::optional<brivolo::DisplayGuard> displayGuard(std::in_place);
    QApplication app(argc, argv);
    displayGuard.reset();
    brivolo::askForOneReleasePerHeldKey();
    QApplication::setApplicationName(QStringLiteral("brivolo"));
    QApplication::setApplicationVersion(QStringLiteral(BRIVOLO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(BRIVOLO_APP_ID));
    // A steady caret: nothing in the program ticks while the children think.
    QApplication::setCursorFlashTime(0);
    fontConfiguration.wait();
    brivolo::loadGameFonts();
    std::future<void> installedFonts = brivolo::listInstalledFonts();
    brivolo::installToolkitTranslation(app);

    brivolo::AssetStore assets;
    QApplication::setWindowIcon(assets.programIcon());
    brivolo::FormWindow::prepareBackground(assets, app.devicePixelRatio());

    brivolo::TimeSeededRandom random;
    installedFonts.wait();
    brivolo::FormWindow window(random, assets);
    window.form().load();
    window.show();
    return QApplication::exec();
}
