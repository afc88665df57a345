// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <string>

#include "support/sensibleplayer.h"
#include "support/windowfixture.h"

class QWidget;

namespace brivolo::hardening {

// The game window as main.cpp builds it, shown on the offscreen platform and driven through
// the window system's own entry points, so that events reach the widgets by Qt's hit-testing,
// focus and shortcut rules. The random numbers come from a seeded engine.
class WindowUnderTest : public test::PlayedWindow {
public:
    explicit WindowUnderTest(std::uint64_t seed);
    ~WindowUnderTest() override;
    WindowUnderTest(const WindowUnderTest&) = delete;
    WindowUnderTest& operator=(const WindowUnderTest&) = delete;

    Form1& form() { return shown_->form; }
    const Form1& form() const { return shown_->form; }
    FormWindow& window() { return *shown_->window; }
    const FormWindow& window() const { return *shown_->window; }
    QWidget* widgetFor(const Control& control) const { return window().widgetFor(control); }
    Form1& playedForm() override { return form(); }

    // The program ended (the quit sun was clicked): the window ignores everything now.
    bool endRequested() const { return form().ended(); }
    // Replaces the window by a freshly started one, as a new run of the program.
    void reopen();
    int windowsOpened() const { return windowsOpened_; }

    // Runs the posted events (the queued Tab, repaints) until none is left.
    void settle();

    // A click of `button` at a point of the window, delivered to whatever widget is there.
    void clickAt(QPoint windowPoint, Qt::MouseButton button, bool doubleClick = false);
    // A click straight onto a widget, whether it is shown, covered or disabled.
    void clickWidget(QWidget* widget, QPoint point, Qt::MouseButton button);
    // A left click at the centre of the control: through the window when nothing covers
    // it there, otherwise straight onto its widget.
    void clickControl(const Control& control) override;

    // One key event to the focus window, as the keyboard sends it.
    void sendKey(bool press, int key, Qt::KeyboardModifiers modifiers, const QString& text,
                 bool autoRepeat);
    void typeKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    void typeCharacter(char character) override;

    // The text box whose widget has the keyboard focus, if any.
    TextBox* focusedBox() override;

    // The last few deliveries, oldest first, to tell what led to a failure.
    void note(const QString& delivery);
    QString recentDeliveries() const { return recent_.join(QStringLiteral(" | ")); }

private:
    void open();
    void close();

    std::uint64_t seed_;
    QStringList recent_;
    int windowsOpened_ = 0;
    std::unique_ptr<test::WindowFixture> shown_;
};

}  // namespace brivolo::hardening
