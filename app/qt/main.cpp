#include <QApplication>
#include <QIcon>

#include "assetstore.h"
#include "fonts.h"
#include "formwindow.h"
#include "game/randomsource.h"
#include "toolkittranslation.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brivolo"));
    QApplication::setApplicationVersion(QStringLiteral(BRIVOLO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(BRIVOLO_APP_ID));
    // A steady caret: nothing in the program ticks while the children think.
    QApplication::setCursorFlashTime(0);
    brivolo::installToolkitTranslation(app);
    brivolo::loadGameFonts();

    brivolo::AssetStore assets;
    QApplication::setWindowIcon(QIcon(brivolo::AssetStore::resourcePath(brivolo::kProgramIcon)));

    brivolo::TimeSeededRandom random;
    brivolo::FormWindow window(random, assets);
    window.form().load();
    window.show();
    return QApplication::exec();
}
