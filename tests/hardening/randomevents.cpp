// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "randomevents.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>
#include <array>

#include "windowundertest.h"

namespace brivolo::hardening {

namespace {

struct NamedKey {
    int key;
    const char16_t* text;
};

// Keys whose text is fixed, whatever the modifiers.
constexpr std::array kSpecialKeys{
    NamedKey{Qt::Key_Return, u"\r"},   NamedKey{Qt::Key_Enter, u"\r"},
    NamedKey{Qt::Key_Escape, u"\x1b"}, NamedKey{Qt::Key_Tab, u"\t"},
    NamedKey{Qt::Key_Backtab, u""},    NamedKey{Qt::Key_Backspace, u"\b"},
    NamedKey{Qt::Key_Delete, u"\x7f"}, NamedKey{Qt::Key_Space, u" "},
    NamedKey{Qt::Key_Insert, u""},     NamedKey{Qt::Key_Left, u""},
    NamedKey{Qt::Key_Right, u""},      NamedKey{Qt::Key_Up, u""},
    NamedKey{Qt::Key_Down, u""},       NamedKey{Qt::Key_Home, u""},
    NamedKey{Qt::Key_End, u""},        NamedKey{Qt::Key_PageUp, u""},
    NamedKey{Qt::Key_F1, u""},         NamedKey{Qt::Key_F10, u""},
    NamedKey{Qt::Key_Shift, u""},      NamedKey{Qt::Key_Control, u""},
    NamedKey{Qt::Key_Alt, u""},        NamedKey{Qt::Key_Menu, u""},
    NamedKey{Qt::Key_Plus, u"+"},      NamedKey{Qt::Key_Minus, u"-"},
    NamedKey{Qt::Key_Equal, u"="},     NamedKey{Qt::Key_Period, u"."},
    NamedKey{Qt::Key_Comma, u","},     NamedKey{Qt::Key_Slash, u"/"},
};

// Letters beyond ASCII, and texts that are not one UTF-16 unit long.
constexpr std::array kUnicodeKeys{
    NamedKey{Qt::Key_Egrave, u"è"},       NamedKey{Qt::Key_Agrave, u"à"},
    NamedKey{Qt::Key_Eacute, u"é"},       NamedKey{Qt::Key_Ugrave, u"ù"},
    NamedKey{Qt::Key_Ograve, u"ò"},       NamedKey{Qt::Key_Igrave, u"ì"},
    NamedKey{Qt::Key_Egrave, u"È"},       NamedKey{Qt::Key_ssharp, u"ß"},
    NamedKey{Qt::Key_currency, u"€"},     NamedKey{Qt::Key_unknown, u"中"},
    NamedKey{Qt::Key_unknown, u"😀"},      NamedKey{Qt::Key_unknown, u"e\u0301"},
    NamedKey{Qt::Key_unknown, u"\u0661"}, NamedKey{Qt::Key_unknown, u"\uff15"},
    NamedKey{Qt::Key_unknown, u"\u00b2"}, NamedKey{Qt::Key_Dead_Grave, u""},
};

constexpr std::array kPasteTexts{u"12", u"7a", u"3\n4", u"€5", u"٣", u"0000000000"};

// The activation reasons come from switchActivation, through Qt's own path.
constexpr std::array kFocusReasons{
    Qt::MouseFocusReason,    Qt::TabFocusReason,   Qt::BacktabFocusReason,
    Qt::ShortcutFocusReason, Qt::OtherFocusReason,
};

constexpr std::array kButtons{Qt::LeftButton,  Qt::LeftButton,   Qt::LeftButton,
                              Qt::RightButton, Qt::MiddleButton, Qt::BackButton};

}  // namespace

RandomEvents::RandomEvents(WindowUnderTest& window, std::uint64_t seed)
    : window_(window), engine_(seed) {}

RandomEvents::~RandomEvents() = default;

RandomEvents::KeyStroke RandomEvents::randomKey() {
    const int kind = below(100);
    if (kind < 30) {  // a digit on the main keys or on the keypad
        const int digit = below(10);
        const Qt::KeyboardModifiers modifiers =
            below(3) == 0 ? Qt::KeypadModifier : Qt::KeyboardModifiers();
        return {Qt::Key_0 + digit, modifiers, QString(QChar(u'0' + digit))};
    }
    if (kind < 45) {  // a letter, small or capital
        const int letter = below(26);
        const bool capital = below(2) == 0;
        return {Qt::Key_A + letter, capital ? Qt::ShiftModifier : Qt::NoModifier,
                QString(QChar((capital ? u'A' : u'a') + letter))};
    }
    if (kind < 60) {  // a control code: Ctrl with a letter (select all, copy, cut, undo...)
        const int letter = below(26);
        const Qt::KeyboardModifiers modifiers =
            below(4) == 0 ? (Qt::ControlModifier | Qt::ShiftModifier) : Qt::ControlModifier;
        return {Qt::Key_A + letter, modifiers, QString(QChar(char16_t(1 + letter)))};
    }
    if (kind < 80) {
        const NamedKey& named = kSpecialKeys[below(int(kSpecialKeys.size()))];
        const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier,
                                                   Qt::ShiftModifier, Qt::ControlModifier,
                                                   Qt::AltModifier};
        return {named.key, modifiers[below(5)], QString::fromUtf16(named.text)};
    }
    if (kind < 95) {
        const NamedKey& named = kUnicodeKeys[below(int(kUnicodeKeys.size()))];
        return {named.key, Qt::NoModifier, QString::fromUtf16(named.text)};
    }
    // A digit with Alt or Meta held: the text is still the digit.
    const int digit = below(10);
    return {Qt::Key_0 + digit, below(2) == 0 ? Qt::AltModifier : Qt::MetaModifier,
            QString(QChar(u'0' + digit))};
}

QWidget* RandomEvents::randomWidget() {
    const auto& controls = window_.form().controls();
    return window_.widgetFor(*controls[std::size_t(below(int(controls.size())))]);
}

void RandomEvents::randomClick() {
    const QPoint point(below(kClientWidth), below(kClientHeight));
    window_.clickAt(point, kButtons[below(int(kButtons.size()))], below(8) == 0);
}

void RandomEvents::clickOnAnyWidget() {
    QWidget* widget = randomWidget();
    const QPoint point(below(std::max(1, widget->width())), below(std::max(1, widget->height())));
    window_.clickWidget(widget, point, kButtons[below(int(kButtons.size()))]);
}

void RandomEvents::typeRandomKey() {
    const KeyStroke stroke = randomKey();
    window_.typeKey(stroke.key, stroke.modifiers, stroke.text);
}

// A held key as X11 reports it: the press, then release and press again flagged as
// auto-repeated, then the real release.
void RandomEvents::holdRandomKey() {
    const KeyStroke stroke = randomKey();
    window_.sendKey(true, stroke.key, stroke.modifiers, stroke.text, false);
    const int repeats = 1 + below(6);
    for (int i = 0; i < repeats; ++i) {
        window_.sendKey(false, stroke.key, stroke.modifiers, stroke.text, true);
        window_.sendKey(true, stroke.key, stroke.modifiers, stroke.text, true);
    }
    window_.sendKey(false, stroke.key, stroke.modifiers, stroke.text, false);
}

void RandomEvents::attemptPaste() {
    const QString text = QString::fromUtf16(kPasteTexts[below(int(kPasteTexts.size()))]);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    if (clipboard->supportsSelection()) {
        clipboard->setText(text, QClipboard::Selection);
    }
    switch (below(4)) {
        case 0:
            window_.typeKey(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
            break;
        case 1:
            window_.typeKey(Qt::Key_Insert, Qt::ShiftModifier, QString());
            break;
        case 2:
            window_.typeKey(Qt::Key_Paste, Qt::NoModifier, QString());
            break;
        default: {
            TextBox& box = window_.form().textBox(1 + below(4));
            QWidget* widget = window_.widgetFor(box);
            window_.clickAt(widget->mapTo(&window_.window(), widget->rect().center()),
                            Qt::MiddleButton);
            break;
        }
    }
}

void RandomEvents::moveFocus() {
    const int choice = below(10);
    const Qt::FocusReason reason = kFocusReasons[below(int(kFocusReasons.size()))];
    QWidget* target = nullptr;
    if (choice == 0) {
        if (QWidget* focus = QApplication::focusWidget()) {
            window_.note(QStringLiteral("focus cleared from ") + focus->objectName());
            focus->clearFocus();
        }
    } else if (choice == 1) {
        target = &window_.window();
    } else {
        target = window_.widgetFor(window_.form().textBox(1 + below(4)));
    }
    if (target != nullptr) {
        window_.note(QStringLiteral("focus to %1, reason %2")
                         .arg(target->objectName().isEmpty() ? QStringLiteral("window")
                                                             : target->objectName())
                         .arg(int(reason)));
        target->setFocus(reason);
    }
    window_.settle();
}

// Another window takes the activation, then the game window gets it back.
void RandomEvents::switchActivation() {
    window_.note(QStringLiteral("another window activated, then the game window again"));
    if (!otherWindow_) {
        otherWindow_ = std::make_unique<QWidget>();
        otherWindow_->resize(40, 40);
    }
    otherWindow_->show();
    otherWindow_->activateWindow();
    window_.settle();
    window_.window().activateWindow();
    window_.settle();
    otherWindow_->hide();
    window_.settle();
}

void RandomEvents::deliverOne() {
    const int kind = below(100);
    if (kind < 30) {
        randomClick();
    } else if (kind < 40) {
        clickOnAnyWidget();
    } else if (kind < 78) {
        typeRandomKey();
    } else if (kind < 86) {
        holdRandomKey();
    } else if (kind < 92) {
        attemptPaste();
    } else if (kind < 99) {
        moveFocus();
    } else {
        switchActivation();
    }
}

}  // namespace brivolo::hardening
