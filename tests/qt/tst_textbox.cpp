// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Keyboard and mouse through the real widgets: focus after the abacus, the filter, held keys,
// blocked paste, the final box and the quit sun.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "support/shownoperation.h"
#include "support/windowfixture.h"

using namespace brivolo;
using namespace brivolo::test;

namespace {

QLineEdit* edit(WindowFixture& f, int number) {
    return static_cast<QLineEdit*>(f.box(number));
}

void key(QWidget* target, QEvent::Type type, int k, const QString& text, bool repeat = false,
         Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(type, k, modifiers, text, repeat);
    QApplication::sendEvent(target, &event);
}

// A game whose first operation, for the green player, is 12 + 0; the green box is open.
QLineEdit* openGreenBoxForTwelve(WindowFixture& f) {
    f.random.scriptFirstOperations(12, 0, 20, 0, {true});
    if (!f.showActive()) {
        return nullptr;
    }
    f.clickImage(70);
    f.clickImage(3);
    return edit(f, 1);
}

// Presses and releases keys into whatever has the focus.
void typeInto(const QString& text) {
    for (QChar c : text) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
}

}  // namespace

// A key press as the window system delivers it: with modifiers, and the text the keyboard
// layout gives it (control characters with Control). No key: a character composed from a dead
// key and a letter, committed by the input method.
struct Keystroke {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

Q_DECLARE_METATYPE(Keystroke)

namespace {

void press(QWidget* box, const Keystroke& k) {
    if (k.key == 0) {
        QInputMethodEvent composed;
        composed.setCommitString(k.text);
        QApplication::sendEvent(box, &composed);
        return;
    }
    key(box, QEvent::KeyPress, k.key, k.text, false, k.modifiers);
    key(box, QEvent::KeyRelease, k.key, k.text, false, k.modifiers);
}

}  // namespace

class TextBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Whether a combination gives a KeyPress shows in the final box, where each one closes
    // the finished game; what it does to the text shows in an answer box holding "1".
    void keyCombinations_data() {
        QTest::addColumn<Keystroke>("stroke");
        QTest::addColumn<QString>("textAfter");
        QTest::addColumn<bool>("keyPress");
        const QString one = QStringLiteral("1");
        auto row = [](const char* name, Keystroke k, const QString& after, bool keyPress) {
            QTest::newRow(name) << k << after << keyPress;
        };
        row("Ctrl+H deletes like Backspace", {Qt::Key_H, Qt::ControlModifier, QStringLiteral("\b")},
            QString(), true);
        row("Ctrl+Backspace", {Qt::Key_Backspace, Qt::ControlModifier, QStringLiteral("\x7f")}, one,
            true);
        row("Alt+digit", {Qt::Key_2, Qt::AltModifier, QStringLiteral("2")}, one, false);
        row("Alt+letter", {Qt::Key_A, Qt::AltModifier, QStringLiteral("a")}, one, false);
        row("Ctrl+digit", {Qt::Key_2, Qt::ControlModifier, QStringLiteral("2")}, one, false);
        row("Ctrl+V", {Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16")}, one, true);
        row("Ctrl+X", {Qt::Key_X, Qt::ControlModifier, QStringLiteral("\x18")}, one, true);
        row("Ctrl+Z", {Qt::Key_Z, Qt::ControlModifier, QStringLiteral("\x1a")}, one, true);
        row("Ctrl+K", {Qt::Key_K, Qt::ControlModifier, QStringLiteral("\x0b")}, one, true);
        row("Shift+Insert", {Qt::Key_Insert, Qt::ShiftModifier, QString()}, one, false);
        row("Shift+Delete", {Qt::Key_Delete, Qt::ShiftModifier, QString()}, one, false);
        row("dead accent and letter", {0, Qt::NoModifier, QStringLiteral("é")}, one, true);
        row("composed digit", {0, Qt::NoModifier, QStringLiteral("2")}, QStringLiteral("2"), true);
    }

    void keyCombinations() {
        QFETCH(Keystroke, stroke);
        QFETCH(QString, textAfter);
        QFETCH(bool, keyPress);
        const QString one = QStringLiteral("1");
        WindowFixture f;
        QLineEdit* box = openGreenBoxForTwelve(f);
        QVERIFY(box != nullptr);
        QApplication::clipboard()->setText(QStringLiteral("2"));
        QTest::keyClick(box, Qt::Key_1);
        box->selectAll();  // what cutting or undoing would take away
        press(box, stroke);
        QCOMPARE(box->text(), textAfter);
        QCOMPARE(QString::fromStdString(f.form.textBox(1).text()), textAfter);

        // The final box of a finished game: the calculator comes back with the first KeyPress.
        f.form.textBox(1).setEnabled(false);
        f.form.textBox(4).setEnabled(true);
        f.box(4)->setFocus();
        QVERIFY(!f.image(70)->isEnabled());
        press(f.box(4), stroke);
        QCOMPARE(f.image(70)->isEnabled(), keyPress);
        QCOMPARE(edit(f, 4)->text(), textAfter == one ? QString() : textAfter);
    }

    void theAbacusPutsTheFocusIntoTheOpenBox() {
        WindowFixture f;
        f.random.scriptFirstOperations(12, 0, 20, 0, {true});
        QVERIFY(f.showActive());
        f.clickImage(70);
        for (int k = 1; k <= 4; ++k) {
            f.clickImage(3);
            QCOMPARE(QApplication::focusWidget(), f.box((k - 1) % 3 + 1));
            typeInto(QStringLiteral("99"));  // a wrong answer closes the box
            QVERIFY(!QApplication::focusWidget() ||
                    QApplication::focusWidget() != f.box((k - 1) % 3 + 1));
        }
    }

    // Tab goes through the boxes, then to the calculator, framed while it has the focus;
    // Enter or Space on it starts a game.
    void theCalculatorIsPlayedFromTheKeyboard() {
        for (const Qt::Key pressKey : {Qt::Key_Return, Qt::Key_Space}) {
            WindowFixture f;
            QVERIFY(f.showActive());
            const QImage unfocused = f.image(70)->grab().toImage();
            QStringList reached{QApplication::focusWidget()->objectName()};
            for (int step = 0; step < 3; ++step) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                reached << QApplication::focusWidget()->objectName();
            }
            QCOMPARE(reached.join(u' '), QStringLiteral("Text1 Text2 Text3 Image70"));
            QCOMPARE(QApplication::focusWidget(), f.image(70));
            QVERIFY(f.image(70)->grab().toImage() != unfocused);
            QTest::keyClick(f.image(70), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), f.box(3));
            QCOMPARE(f.image(70)->grab().toImage(), unfocused);
            QTest::keyClick(f.box(3), Qt::Key_Tab);
            QTest::keyClick(f.image(70), pressKey);
            QCOMPARE(f.random.reseeds, 1);
        }
    }

    void onlyDigitsAndBackspaceReachTheBox() {
        WindowFixture f;
        QLineEdit* box = openGreenBoxForTwelve(f);
        QVERIFY(box != nullptr);
        QTest::keyClicks(box, QStringLiteral("a-. +"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Escape);
        key(box, QEvent::KeyPress, Qt::Key_Agrave, QStringLiteral("à"));
        key(box, QEvent::KeyRelease, Qt::Key_Agrave, QStringLiteral("à"));
        QCOMPARE(box->text(), QString());
        QTest::keyClick(box, Qt::Key_2, Qt::KeypadModifier);  // keypad digits are digits
        QCOMPARE(box->text(), QStringLiteral("2"));
        QTest::keyClick(box, Qt::Key_Home);  // moves the caret: no KeyPress, only KeyUp
        QTest::keyClick(box, Qt::Key_1);
        QCOMPARE(box->text(), QStringLiteral("12"));
        QVERIFY(!box->isEnabled());  // judged: right
        QVERIFY(f.image(71)->isVisibleTo(f.window.get()));
        QCOMPARE(f.form.textBox(1).text(), std::string("12"));
    }

    // Handwriting or dictation commits a word at once: judged as soon as it is long enough,
    // the rest dropped.
    void textCommittedInOnePieceIsJudgedOnce() {
        WindowFixture f;
        QLineEdit* box = openGreenBoxForTwelve(f);
        QVERIFY(box != nullptr);
        QInputMethodEvent dictated;
        dictated.setCommitString(QStringLiteral("x125"));
        QApplication::sendEvent(box, &dictated);
        QCOMPARE(box->text(), QStringLiteral("12"));
        QVERIFY(!box->isEnabled());
        QCOMPARE(f.form.state().numeroverdi, 1.0f);
    }

    void aHeldKeyIsJudgedOnItsFinalReleaseOnly() {
        WindowFixture f;
        QLineEdit* box = openGreenBoxForTwelve(f);
        QVERIFY(box != nullptr);
        QTest::keyClick(box, Qt::Key_1);
        // X11 sends a release before every repeated press of a held key.
        key(box, QEvent::KeyPress, Qt::Key_2, QStringLiteral("2"));
        for (int i = 0; i < 3; ++i) {
            key(box, QEvent::KeyRelease, Qt::Key_2, QStringLiteral("2"), true);
            key(box, QEvent::KeyPress, Qt::Key_2, QStringLiteral("2"), true);
        }
        key(box, QEvent::KeyRelease, Qt::Key_2, QStringLiteral("2"));
        QCOMPARE(box->text(), QStringLiteral("12222"));
        QVERIFY(box->isEnabled());  // longer than the result: not judged
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QVERIFY(box->isEnabled());
        QTest::keyClick(box, Qt::Key_Backspace);
        QVERIFY(!box->isEnabled());
        QVERIFY(f.image(71)->isVisibleTo(f.window.get()));
    }

    void pasteAndDropCannotBringTextIn() {
        WindowFixture f;
        QLineEdit* box = openGreenBoxForTwelve(f);
        QVERIFY(box != nullptr);
        QApplication::clipboard()->setText(QStringLiteral("12"));
        if (QApplication::clipboard()->supportsSelection()) {
            QApplication::clipboard()->setText(QStringLiteral("12"), QClipboard::Selection);
        }
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::mouseClick(box, Qt::MiddleButton);
        QCOMPARE(box->text(), QString());
        QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!box->acceptDrops());
        // Even a direct insertion past the key filter keeps only digits.
        box->insert(QStringLiteral("x"));
        QCOMPARE(box->text(), QString());
        QVERIFY(box->isEnabled());
    }

    void theFinalBoxJudgesTheTotal() {
        WindowFixture f;
        QVERIFY(f.showActive());
        f.clickImage(70);
        for (int k = 1; k <= kOperationsPerGame; ++k) {
            f.clickImage(3);
            const QString right = QString::number(shownResult(f.form));
            // Right every fourth time; "99" is wrong whatever the result's length.
            typeInto(k % 4 == 0 ? right : QStringLiteral("99"));
        }
        QVERIFY(f.box(4)->isEnabled());
        QVERIFY(f.image(88)->isVisibleTo(f.window.get()));
        QTest::mouseClick(f.box(4), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), f.box(4));
        QVERIFY(!f.form.state().totgelati.isEmpty());  // GotFocus ran
        typeInto(QString::number(shownTotal(f.form)));
        QVERIFY(f.image(68)->isVisibleTo(f.window.get()));
        QVERIFY(f.image(70)->isEnabled());
    }

    void theFinalBoxGetsItsFirstFocusWithTheWindowToo() {
        WindowFixture f;
        QVERIFY(f.showActive());
        f.clickImage(70);
        for (int k = 1; k <= kOperationsPerGame; ++k) {
            f.clickImage(3);
            typeInto(QStringLiteral("99"));
        }
        QWidget* total = f.box(4);
        QVERIFY(total->isEnabled());
        // The window comes back to the front and the toolkit puts the focus into the box.
        QFocusEvent comingBack(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(total, &comingBack);
        QVERIFY(!f.form.state().totgelati.isEmpty());
        QCOMPARE(f.form.state().totoperazioni, 0.0f);
        // Leaving with the window and coming back is not a new GotFocus.
        f.form.state().totoperazioni = 5;
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(total, &away);
        QApplication::sendEvent(total, &comingBack);
        QCOMPARE(f.form.state().totoperazioni, 5.0f);
    }

    void theQuitSunAndDisabledButtons() {
        WindowFixture f;
        QVERIFY(f.showActive());
        // Before the twentieth operation the sun is hidden: a click there reaches nothing.
        QTest::mouseClick(f.window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(250, 260));
        f.clickImage(3);  // disabled before a game
        QCOMPARE(f.form.state().totoperazioni, 0.0f);
        f.clickImage(70);
        // A quick double click on the abacus presents one operation: the window system sends
        // press, release, press (as a double click) and release.
        QTest::mouseDClick(f.window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           f.image(3)->geometry().center());
        QCoreApplication::processEvents();
        QCOMPARE(f.form.state().totoperazioni, 1.0f);
        f.form.image(88).setVisible(true);
        f.clickImage(88);
        QVERIFY(f.form.ended());
        QVERIFY(f.window->isHidden());
    }
};

QTEST_MAIN(TextBoxTest)
#include "tst_textbox.moc"
