// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/control.h"
#include "app/keystroke.h"
#include "app/windowhost.h"
#include "elementstate.h"

namespace brivolo {

class Form1;
class TextBox;

// The browser side of Form1. The page already shows the window as it stands after Load, one
// element per control in layout order; the page's script hands the user's events over by the
// control's place in that order, and after each event the page is told every field that
// changed, one call per field. Text comes from the page as UTF-16, as the page holds it.
class WebPage : public WindowHost, public ControlObserver {
public:
    // Learns what the page's elements show: `form` after Load.
    void attach(Form1& form);
    // Takes the page's elements over: from now on the page hands the user's events to the program.
    void takeOver() const;

    void propertyChanged(const Control& control, Property property) override;
    void queueTab() override;
    void endProgram() override;
    void endWithRunTimeError(const std::string& message) override;

    void click(int index);
    // A key pressed on a control, as the DOM names it. In a box: the character code the box's
    // KeyPress left (0 when it discarded it), or -1 for a key that types no character. Tab
    // moves the focus on any control and Enter or Space clicks a picture that acts: 0, the key
    // is done with. Any other key: -1, it keeps the browser's own action.
    // `index` is -1 when no control has the focus: only Tab does anything then.
    int keyDown(int index, Modifiers held, std::u16string_view key);
    // Text that an on-screen keyboard or an input method brings without a key of its own, as the
    // DOM's beforeinput reports it: typed as keys until it is judged (Form1::enterText).
    void input(int index, std::string_view inputType, std::u16string_view data, bool keyDown);
    // The user edited the box without typing (Delete): the page shows the text already.
    void textEdited(int index, std::string text);
    // The release of a key; only a box's reaches its KeyUp, as GotFocus only a box's.
    void keyUp(int index, int keyCode, Modifiers held);
    void focused(int index);

    // The control's place in the layout, which is its element's in the page.
    int indexOf(const Control& control) const;

private:
    Control& control(int index);
    TextBox& box(int index);
    // Tells the page what changed, then moves the focus where a queued Tab takes it.
    void settle();

    Form1* form_ = nullptr;
    std::vector<ElementState> shown_;  // what each element shows, in layout order
    // Controls whose element may show something else since the last settle: those a handler
    // changed, and those read again after every handler.
    std::vector<bool> changed_;
    std::vector<std::size_t> followers_;
    bool tabQueued_ = false;
};

}  // namespace brivolo
