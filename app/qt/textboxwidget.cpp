// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "textboxwidget.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "app/form1.h"
#include "app/keystroke.h"
#include "keyevent.h"

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

// What passed is typed as if on its own, without the modifiers of the key that made it.
void TextBoxWidget::typeAtCaret(std::u16string_view typed, bool autoRepeat) {
    const QString text = QString::fromUtf16(typed.data(), qsizetype(typed.size()));
    const bool backspace = typed == u"\b";
    QKeyEvent plain(QEvent::KeyPress,
                    backspace ? int{Qt::Key_Backspace} : int{text.front().unicode()},
                    Qt::NoModifier, backspace ? QString() : text, autoRepeat);
    QLineEdit::keyPressEvent(&plain);
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (!event->isAutoRepeat()) {
        held_.insert(event->key());
    }
    const QString text = event->text();
    if (const std::optional<short> typed = characterCode(keyStroke(*event, text))) {
        form_.typeKey(box_, *typed, [this, event](std::u16string_view characters) {
            typeAtCaret(characters, event->isAutoRepeat());
        });
        return;
    }
    // Keys that bring in or take out text without typing a character stay without effect, and
    // so do the Alt and Meta combinations, which the box would otherwise type as their text.
    const bool editsWithoutTyping =
        event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
        event->key() == Qt::Key_Paste || event->key() == Qt::Key_Cut ||
        event->modifiers().testAnyFlags(Qt::AltModifier | Qt::MetaModifier);
    if (!editsWithoutTyping) {
        QLineEdit::keyPressEvent(event);
    }
}

void TextBoxWidget::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat()) {
        return;  // a held key is released once, at the end
    }
    held_.remove(event->key());
    form_.keyUp(box_, event->key(), shiftState(heldModifiers(event->modifiers())));
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
    held_.clear();  // their releases go elsewhere
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

// Text committed by an input method (a character composed from a dead key and a letter, a
// handwritten or dictated word) is entered as the core enters text that comes in one piece.
// The text being composed is not shown.
void TextBoxWidget::inputMethodEvent(QInputMethodEvent* event) {
    event->accept();
    const QString text = event->commitString();
    form_.enterText(box_, {QStringView(text).utf16(), std::size_t(text.size())}, !held_.isEmpty(),
                    [this](std::u16string_view typed) { typeAtCaret(typed, false); });
}

}  // namespace brivolo
