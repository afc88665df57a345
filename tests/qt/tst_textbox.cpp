// Keyboard and mouse through the real widgets: focus after the abacus, the filter, held keys,
// blocked paste, the final box and the quit sun.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

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

class TextBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
            const std::string right = expectedAnswer(f.form.state()).text();
            // Right every fourth time; "99" is wrong whatever the result's length.
            typeInto(k % 4 == 0 ? QString::fromStdString(right) : QStringLiteral("99"));
        }
        QVERIFY(f.box(4)->isEnabled());
        QVERIFY(f.image(88)->isVisibleTo(f.window.get()));
        QTest::mouseClick(f.box(4), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), f.box(4));
        QVERIFY(!f.form.state().totgelati.isEmpty());  // GotFocus ran
        const QString total = QString::fromStdString(f.form.state().totgelati.text());
        typeInto(total);
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
