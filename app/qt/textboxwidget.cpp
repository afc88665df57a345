#include "textboxwidget.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "app/form1.h"
#include "dispatch.h"

namespace brivolo {

TextBoxWidget::TextBoxWidget(Form1& form, TextBox& box, QWidget* parent)
    : QLineEdit(parent), form_(form), box_(box) {
    setAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // Last line of defence: whatever path text takes into the box, only digits stay.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { box_.takeEditedText(text.toStdString()); });
}

std::optional<short> TextBoxWidget::characterCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Backspace:
            return short{8};
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return std::nullopt;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return static_cast<short>(text.at(0).unicode());
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event) {
    // Editing shortcuts that would bring in or take out text without typing it.
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        event->accept();
        return;
    }
    const std::optional<short> typed = characterCode(*event);
    if (!typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    short code = *typed;
    dispatch([&] { form_.keyPress(box_, code); });
    if (code == 0) {
        event->accept();
    } else if (code == *typed) {
        QLineEdit::keyPressEvent(event);
    } else {
        QKeyEvent changed(event->type(), event->key(), event->modifiers(),
                          QString(QChar(static_cast<char16_t>(code))), event->isAutoRepeat());
        QLineEdit::keyPressEvent(&changed);
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
    dispatch([&] { form_.keyUp(box_, event->key(), shift); });
}

void TextBoxWidget::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const bool returning =
        focusedInInactiveWindow_ &&
        (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason);
    focusedInInactiveWindow_ = false;
    if (!returning) {
        dispatch([&] { form_.gotFocus(box_); });
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

void TextBoxWidget::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore();
}

}  // namespace brivolo
