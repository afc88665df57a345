// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "textboxwidget.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "app/form1.h"
#include "app/keystroke.h"

namespace brivolo {

namespace {

Modifiers held(Qt::KeyboardModifiers modifiers) {
    return {.shift = modifiers.testFlag(Qt::ShiftModifier),
            .control = modifiers.testFlag(Qt::ControlModifier),
            .alt = modifiers.testFlag(Qt::AltModifier),
            .meta = modifiers.testFlag(Qt::MetaModifier)};
}

NamedKey namedKey(int key) {
    switch (key) {
        case Qt::Key_Backspace:
            return NamedKey::Backspace;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return NamedKey::Enter;
        case Qt::Key_Escape:
            return NamedKey::Escape;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return NamedKey::Tab;
        case Qt::Key_Delete:
            return NamedKey::Delete;
        case Qt::Key_Insert:
            return NamedKey::Insert;
        default:
            return NamedKey::None;
    }
}

std::optional<short> characterOf(const QKeyEvent& event) {
    const QString text = event.text();
    const int key = event.key();
    const bool letter = key >= Qt::Key_A && key <= Qt::Key_Z;
    return characterCode({.held = held(event.modifiers()),
                          .named = namedKey(key),
                          .letter = letter ? static_cast<char>('A' + (key - Qt::Key_A)) : '\0',
                          .text = {QStringView(text).utf16(), std::size_t(text.size())}});
}

}  // namespace

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

void TextBoxWidget::typeCharacter(short typed, bool autoRepeat) {
    short code = typed;
    form_.keyPress(box_, code);
    if (code == 0) {
        return;
    }
    // What passed is typed as if on its own, without the modifiers of the key that made it.
    const bool backspace = code == kBackspace;
    QKeyEvent plain(
        QEvent::KeyPress, backspace ? int{Qt::Key_Backspace} : int{code}, Qt::NoModifier,
        backspace ? QString() : QString(QChar(static_cast<char16_t>(code))), autoRepeat);
    QLineEdit::keyPressEvent(&plain);
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (const std::optional<short> typed = characterOf(*event)) {
        typeCharacter(*typed, event->isAutoRepeat());
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
    form_.keyUp(box_, event->key(), shiftState(held(event->modifiers())));
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
