// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "windowundertest.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace brivolo::hardening {

WindowUnderTest::WindowUnderTest(std::uint64_t seed) : seed_(seed) {
    open();
}

WindowUnderTest::~WindowUnderTest() {
    close();
}

void WindowUnderTest::open() {
    shown_ = std::make_unique<test::WindowFixture>(seed_ + std::uint64_t(windowsOpened_));
    if (!shown_->showActive()) {
        qWarning("the game window did not become active");
    }
    ++windowsOpened_;
}

void WindowUnderTest::close() {
    shown_.reset();
    settle();
}

void WindowUnderTest::reopen() {
    note(QStringLiteral("window reopened"));
    close();
    open();
}

void WindowUnderTest::settle() {
    // Handling one posted event may post the next (a Tab moves the focus, which asks for a
    // repaint): a few rounds empty the queue.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

namespace {

QString describeWidget(const QWidget* widget) {
    return widget == nullptr ? QStringLiteral("nothing") : widget->objectName();
}

}  // namespace

void WindowUnderTest::note(const QString& delivery) {
    constexpr int kKept = 16;
    recent_.append(delivery);
    if (recent_.size() > kKept) {
        recent_.removeFirst();
    }
}

void WindowUnderTest::clickAt(QPoint windowPoint, Qt::MouseButton button, bool doubleClick) {
    note(QStringLiteral("%1 button %2 at (%3,%4) over %5")
             .arg(doubleClick ? QStringLiteral("double click") : QStringLiteral("click"))
             .arg(int(button))
             .arg(windowPoint.x())
             .arg(windowPoint.y())
             .arg(describeWidget(window().childAt(windowPoint))));
    QTest::mouseEvent(doubleClick ? QTest::MouseDClick : QTest::MouseClick, window().windowHandle(),
                      button, Qt::NoModifier, windowPoint);
    settle();
}

void WindowUnderTest::clickWidget(QWidget* widget, QPoint point, Qt::MouseButton button) {
    note(QStringLiteral("click button %1 straight onto %2")
             .arg(int(button))
             .arg(describeWidget(widget)));
    const QPointF local(point);
    const QPointF global(widget->mapToGlobal(point));
    QMouseEvent press(QEvent::MouseButtonPress, local, local, global, button, button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
    settle();
}

void WindowUnderTest::clickControl(const Control& control) {
    QWidget* widget = widgetFor(control);
    const QPoint centre = widget->rect().center();
    const QPoint inWindow = widget->mapTo(&window(), centre);
    if (window().childAt(inWindow) == widget) {
        clickAt(inWindow, Qt::LeftButton);
    } else {
        clickWidget(widget, centre, Qt::LeftButton);
    }
}

void WindowUnderTest::sendKey(bool press, int key, Qt::KeyboardModifiers modifiers,
                              const QString& text, bool autoRepeat) {
    note(QStringLiteral("%1 key %2 text \"%3\" modifiers %4%5 to %6")
             .arg(press ? QStringLiteral("press") : QStringLiteral("release"))
             .arg(key, 0, 16)
             .arg(text.toHtmlEscaped())
             .arg(int(modifiers), 0, 16)
             .arg(autoRepeat ? QStringLiteral(" repeated") : QString())
             .arg(describeWidget(QApplication::focusWidget())));
    QWindow* target = QGuiApplication::focusWindow();
    if (target == nullptr) {
        target = window().windowHandle();
    }
    qt_handleKeyEvent(target, press ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers, text,
                      autoRepeat, 1);
    settle();
}

void WindowUnderTest::typeKey(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    sendKey(true, key, modifiers, text, false);
    sendKey(false, key, modifiers, text, false);
}

void WindowUnderTest::typeCharacter(char character) {
    if (character == '\b') {
        typeKey(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    } else {
        typeKey(Qt::Key_0 + (character - '0'), Qt::NoModifier, QString(QLatin1Char(character)));
    }
}

TextBox* WindowUnderTest::focusedBox() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) {
        return nullptr;
    }
    for (int n = 1; n <= 4; ++n) {
        TextBox& box = form().textBox(n);
        if (widgetFor(box) == focus) {
            return &box;
        }
    }
    return nullptr;
}

}  // namespace brivolo::hardening
