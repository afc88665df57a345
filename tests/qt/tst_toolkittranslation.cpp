// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// No English text of the toolkit can reach the user: Qt's own texts are installed in Italian,
// the window's boxes never open Qt's edit menu, and every tooltip is the game's Italian.
#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>

#include "app/qt/toolkittranslation.h"
#include "support/windowfixture.h"

using namespace brivolo;

namespace {

// English words of the texts Qt shows in its standard widgets and dialogs.
const QRegularExpression kEnglish(
    QStringLiteral("\\b(Undo|Redo|Cut|Copy|Paste|Delete|Select|All|Cancel|Close|Yes|No|Open|"
                   "Save|the|and)\\b"));

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void toolkitTextsAreItalian_data();
    void toolkitTextsAreItalian();
    void editMenuWouldBeItalian();
    void answerBoxesOpenNoMenu();
    void tooltipsAreItalian();
    void numbersFollowItalianConventions();
};

void TranslationTest::initTestCase() {
    QVERIFY2(installToolkitTranslation(*QCoreApplication::instance()),
             "Qt's Italian translations (qt6-translations-l10n) are not installed");
}

void TranslationTest::toolkitTextsAreItalian_data() {
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("italian");
    const char* const rows[][4] = {
        {"undo", "QLineEdit", "&Undo", "Ann&ulla"},
        {"paste", "QLineEdit", "&Paste", "&Incolla"},
        {"select all", "QLineEdit", "Select All", "Seleziona tutto"},
        {"dialog cancel", "QPlatformTheme", "Cancel", "Annulla"},
    };
    for (const auto& row : rows) {
        QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2])
                              << QString::fromUtf8(row[3]);
    }
}

void TranslationTest::toolkitTextsAreItalian() {
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, italian);
    const QString translated =
        QCoreApplication::translate(context.toLatin1().constData(), source.toLatin1().constData());
    QCOMPARE(translated, italian);
}

void TranslationTest::editMenuWouldBeItalian() {
    QLineEdit edit;
    edit.setText(QStringLiteral("12"));
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    int named = 0;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        ++named;
        QVERIFY2(!kEnglish.match(action->text()).hasMatch(), qPrintable(action->text()));
    }
    QVERIFY(named >= 5);
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

void TranslationTest::tooltipsAreItalian() {
    test::WindowFixture f;
    const FormWindow& window = *f.window;
    int tips = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString tip = widget->toolTip();
        if (tip.isEmpty()) {
            continue;
        }
        ++tips;
        QVERIFY2(!kEnglish.match(tip).hasMatch(), qPrintable(tip));
        QVERIFY2(!tip.contains(QRegularExpression(QStringLiteral("\\b(CLICK|PRESS|READY)\\b"))),
                 qPrintable(tip));
        QVERIFY2(widget->whatsThis().isEmpty(), qPrintable(widget->objectName()));
    }
    QVERIFY(tips >= 5);
}

void TranslationTest::numbersFollowItalianConventions() {
    QCOMPARE(QLocale().language(), QLocale::Italian);
    QCOMPARE(QLocale().toString(1.5), QStringLiteral("1,5"));
}

QTEST_MAIN(TranslationTest)
#include "tst_toolkittranslation.moc"
