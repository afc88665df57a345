// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <random>

class QWidget;

namespace brivolo::hardening {

class WindowUnderTest;

// What a child, a cat on the keyboard or a curious parent might do to the window: clicks
// anywhere with any button, any key (control codes, accented and other Unicode letters,
// keypad digits, held keys that repeat), paste attempts by keyboard and mouse, focus moves
// and the window losing and regaining activation.
class RandomEvents {
public:
    RandomEvents(WindowUnderTest& window, std::uint64_t seed);
    ~RandomEvents();

    // Delivers one event (a held key counts as one, however often it repeats).
    void deliverOne();

private:
    struct KeyStroke {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
    };

    KeyStroke randomKey();
    QWidget* randomWidget();
    void randomClick();
    void clickOnAnyWidget();
    void typeRandomKey();
    void holdRandomKey();
    void attemptPaste();
    void moveFocus();
    void switchActivation();
    int below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(engine_); }

    WindowUnderTest& window_;
    std::mt19937_64 engine_;
    std::unique_ptr<QWidget> otherWindow_;  // takes the activation away
};

}  // namespace brivolo::hardening
