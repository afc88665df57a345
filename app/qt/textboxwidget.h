// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QLineEdit>
#include <QSet>
#include <string_view>

namespace brivolo {

class Form1;
class TextBox;

// A text box of the window. Every typed character goes through the box's KeyPress handler
// before it reaches the text, and text from an input method through the core's rule for text
// in one piece; nothing else gets in (no paste, drop or context menu). Key releases reach
// KeyUp, except the repeats of a held key.
class TextBoxWidget : public QLineEdit {
    Q_OBJECT
public:
    TextBoxWidget(Form1& form, TextBox& box, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Types what the core let through at the caret, as the box types a key's text.
    void typeAtCaret(std::u16string_view typed, bool autoRepeat);

    Form1& form_;
    TextBox& box_;
    // The box held the focus when its window was deactivated: getting it back with the
    // window is no new GotFocus.
    bool focusedInInactiveWindow_ = false;
    // The keys pressed in the box and not released yet: text committed while one is down gets
    // its KeyUp from the key's own release.
    QSet<int> held_;
};

}  // namespace brivolo
