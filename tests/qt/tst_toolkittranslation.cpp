// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// No English text of the toolkit can reach the user: the program installs Qt's own texts in
// Italian, and the window's boxes never open Qt's edit menu.
#include <QApplication>
#include <QContextMenuEvent>
#include <QtTest>

#include "app/qt/toolkittranslation.h"
#include "support/windowfixture.h"

using namespace brivolo;

class TranslationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toolkitTextsAreItalian();
    void answerBoxesOpenNoMenu();
};

void TranslationTest::toolkitTextsAreItalian() {
    QVERIFY2(installToolkitTranslation(*QCoreApplication::instance()),
             "Qt's Italian translations (qt6-translations-l10n) are not installed");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
}

void TranslationTest::answerBoxesOpenNoMenu() {
    test::WindowFixture f;
    QVERIFY(f.showExposed());
    const FormWindow& window = *f.window;
    for (int box = 1; box <= 4; ++box) {
        QWidget* widget = window.findChild<QWidget*>(QStringLiteral("Text%1").arg(box));
        QVERIFY(widget != nullptr);
        widget->setEnabled(true);
        const QPoint centre = widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, centre, widget->mapToGlobal(centre));
        QCoreApplication::sendEvent(widget, &event);
        QCoreApplication::processEvents();
        QVERIFY2(QApplication::activePopupWidget() == nullptr,
                 qPrintable(QStringLiteral("Text%1 opened a menu").arg(box)));
    }
}

QTEST_MAIN(TranslationTest)
#include "tst_toolkittranslation.moc"
