// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "app/form1.h"
#include "app/keystroke.h"
#include "support/recordinghost.h"
#include "support/scriptedrandom.h"
#include "support/sensibleplayer.h"

namespace brivolo::test {

// A game window with its fakes, loaded as at program start, with a simple model of the
// toolkit's focus (tab order, GotFocus, the focus moving on from a box that is hidden or
// disabled) for driving it through its events.
class Harness : public PlayedWindow, private ControlObserver {
public:
    explicit Harness(std::uint64_t seed = 1);

    ScriptedRandom random;
    RecordingHost host;
    Form1 form{random, host};

    TextBox* focus = nullptr;

    // A click on the abacus followed by the Tab it queues.
    void clickAbacus();
    void click(int imageNumber);
    void focusBox(int textNumber);  // as by a mouse click into the box
    void pressTab();
    // A character key: KeyPress, the character inserted if it passed, then KeyUp.
    void type(short characterCode);
    void typeText(const char* text);
    // Text that arrives in one piece in the focus box (Form1::enterText), typed at its end.
    void enterText(std::u16string_view text, bool keyHeld = false);
    int typings = 0;  // the times the core had the box type at its caret
    void backspace() { type(kBackspace); }
    void keyWithoutCharacter();  // Shift, an arrow: KeyUp alone

    // Types the result of the operation on show, or a wrong number of the same length, into
    // the focus box.
    void answer(bool right);
    // New game, then all twenty operations answered (right where `right(k)` says so).
    void playOperations(const std::function<bool(int operation)>& right);
    // Clicks into the final box and types the total of the three scores (or a wrong one).
    void typeTotal(bool right);
    void scriptPredictableGame() { random.scriptPredictableGame(); }
    int visibleCount(int firstImage, int lastImage);
    int visibleCones(ConeRow row);
    int visibleProgressMarkers();

    Form1& playedForm() override { return form; }
    TextBox* focusedBox() override { return focus; }
    void clickControl(const Control& control) override;
    void typeCharacter(char character) override;

private:
    void propertyChanged(const Control& control, Property property) override;
    void moveFocusToNext();
    TypeAtCaret typist(TextBox& box);
    void giveFocus(TextBox* box);
};

}  // namespace brivolo::test
