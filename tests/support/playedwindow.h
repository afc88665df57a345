// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

namespace brivolo {
class Control;
class Form1;
class TextBox;
}  // namespace brivolo

namespace brivolo::test {

// A game window as a player's hands reach it: through the core alone (Harness) or through
// the real front end (the hardening tests' WindowUnderTest).
class PlayedWindow {
public:
    virtual ~PlayedWindow() = default;
    virtual Form1& playedForm() = 0;
    // The text box that has the keyboard focus, if any.
    virtual TextBox* focusedBox() = 0;
    // A left click on the control.
    virtual void clickControl(const Control& control) = 0;
    // A digit, or '\b' for Backspace, typed into the focus.
    virtual void typeCharacter(char character) = 0;
};

}  // namespace brivolo::test
