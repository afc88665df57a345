// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "textboxwidget.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "app/form1.h"

namespace brivolo {

TextBoxWidget::TextBoxWidget(Form1& form, TextBox& box, QWidget* parent)
    : QLineEdit(parent), form_(form), box_(box) {
    setAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    // Last line of defence: whatever path text takes into the box, only digits stay.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { box_.takeEditedText(text.toStdString()); });
}

std::optional<short> TextBoxWidget::characterCode(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    // Alt combinations are commands for the window, never characters.
    if (modifiers.testFlag(Qt::AltModifier) && !control) {
        return std::nullopt;
    }
    const int key = event.key();
    switch (key) {
        case Qt::Key_Backspace:
            return control ? short{127} : short{8};
        case Qt::Key_Delete:
        case Qt::Key_Insert:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return std::nullopt;
        default:
            break;
    }
    // With Control a letter is its control character (Ctrl+H is a Backspace, Ctrl+V 22) and
    // other keys type nothing printable, whatever the keyboard layout makes of them.
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<short>(key - Qt::Key_A + 1);
    }
    const QString text = event.text();
    if (text.isEmpty() || (control && text.at(0).isPrint())) {
        return std::nullopt;
    }
    return static_cast<short>(text.at(0).unicode());
}

void TextBoxWidget::typeCharacter(short typed, bool autoRepeat) {
    short code = typed;
    form_.keyPress(box_, code);
    if (code == 0) {
        return;
    }
    // What passed is typed as if on its own, without the modifiers of the key that made it.
    const bool backspace = code == 8;
    QKeyEvent plain(
        QEvent::KeyPress, backspace ? int{Qt::Key_Backspace} : int{code}, Qt::NoModifier,
        backspace ? QString() : QString(QChar(static_cast<char16_t>(code))), autoRepeat);
    QLineEdit::keyPressEvent(&plain);
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (const std::optional<short> typed = characterCode(*event)) {
        typeCharacter(*typed, event->isAutoRepeat());
        return;
    }
    // Keys that bring in or take out text without typing a character stay without effect.
    const bool editsWithoutTyping =
        event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
        event->key() == Qt::Key_Paste || event->key() == Qt::Key_Cut ||
        event->modifiers().testFlag(Qt::AltModifier);
    if (!editsWithoutTyping) {
        QLineEdit::keyPressEvent(event);
    }
}

void TextBoxWidget::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat()) {
        return;  // a held key is released once, at the end
    }
    const int shift = (event->modifiers() & Qt::ShiftModifier ? 1 : 0) |
                      (event->modifiers() & Qt::ControlModifier ? 2 : 0) |
                      (event->modifiers() & Qt::AltModifier ? 4 : 0);
    form_.keyUp(box_, event->key(), shift);
}

void TextBoxWidget::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const bool returning =
        focusedInInactiveWindow_ &&
        (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason);
    focusedInInactiveWindow_ = false;
    if (!returning) {
        form_.gotFocus(box_);
    }
}

void TextBoxWidget::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    focusedInInactiveWindow_ =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
}

// The middle button pastes the X11 selection: swallow it.
void TextBoxWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TextBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// A character composed from several keys (a dead accent and a letter) or chosen in an input
// method arrives here as committed text: each of its characters is typed like a key's. The
// text being composed is not shown.
void TextBoxWidget::inputMethodEvent(QInputMethodEvent* event) {
    event->accept();
    for (const QChar c : event->commitString()) {
        typeCharacter(static_cast<short>(c.unicode()), false);
    }
}

}  // namespace brivolo
