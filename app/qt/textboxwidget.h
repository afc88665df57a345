#pragma once

#include <QLineEdit>
#include <optional>

namespace brivolo {

class Form1;
class TextBox;

// A text box of the window. Every typed character goes through the box's KeyPress handler
// before it reaches the text; nothing else gets in (no paste, drop, input method or
// context menu). Key releases reach KeyUp, except the repeats of a held key.
class TextBoxWidget : public QLineEdit {
    Q_OBJECT
public:
    TextBoxWidget(Form1& form, TextBox& box, QWidget* parent);

    // The character code of a key press as a signed 16-bit value, or nothing for keys that
    // type no character (arrows, Delete, Home, End, Shift...).
    static std::optional<short> characterCode(const QKeyEvent& event);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    Form1& form_;
    TextBox& box_;
    // The box held the focus when its window was deactivated: getting it back with the
    // window is no new GotFocus.
    bool focusedInInactiveWindow_ = false;
};

}  // namespace brivolo
