// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "control.h"
#include "game/gamestate.h"
#include "game/players.h"
#include "game/randomsource.h"
#include "windowhost.h"

namespace brivolo {

// Types at a box's caret what KeyPress let through, as the toolkit's box does with a key:
// `typed` is either one Backspace ('\b'), which deletes the selection or else the character
// before the caret, or characters that replace the selection. When it returns, the box's text()
// is what the front end shows (TextBox::takeEditedText).
using TypeAtCaret = std::function<void(std::u16string_view typed)>;

// The game's one window: its 120 controls, the game state and every handler.
// It knows no toolkit; a front end shows the controls and forwards the user's events.
class Form1 {
public:
    Form1(RandomSource& random, WindowHost& host);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    Picture& image(int number) { return *images_.at(number - 1); }
    const Picture& image(int number) const { return *images_.at(number - 1); }
    Label& label(int number) { return *labels_.at(number - 1); }
    const Label& label(int number) const { return *labels_.at(number - 1); }
    TextBox& textBox(int number) { return *textBoxes_.at(number - 1); }
    const TextBox& textBox(int number) const { return *textBoxes_.at(number - 1); }
    Line& line(int number) { return *lines_.at(number - 1); }
    const Line& line(int number) const { return *lines_.at(number - 1); }
    Shape& shape(int number) { return *shapes_.at(number - 1); }
    const Shape& shape(int number) const { return *shapes_.at(number - 1); }
    const std::vector<Control*>& controls() const { return controls_; }  // in layout order
    Control& control(ControlKind kind, int number);
    const Control& control(ControlKind kind, int number) const;

    const GameState& state() const { return state_; }
    GameState& state() { return state_; }

    void setObserver(ControlObserver* observer);

    // Delivery of the toolkit's notifications. Events for a hidden or disabled control,
    // or for a control without that notification, are dropped, as are all events once
    // the program has ended. A handler that fails ends the program through the host.
    void load();
    void click(const Picture& picture);
    void keyPress(const TextBox& box, short& characterCode);
    void keyUp(const TextBox& box, int keyCode, int shift);
    void gotFocus(const TextBox& box);
    bool ended() const { return ended_; }

    // A character key pressed in a box: KeyPress, then, if the character passed, `type` types it.
    // Returns the character code KeyPress left, 0 when it discarded the character.
    short typeKey(TextBox& box, short characterCode, const TypeAtCaret& type);
    // Text that arrives in one piece (handwriting, dictation, an on-screen keyboard's word), as
    // UTF-16. Each character goes through typeKey and then KeyUp, as if typed on its own, until
    // a KeyUp judges the box's text: the rest is dropped. KeyUp follows no character while
    // `keyHeld`, since the held key's own release will come. The time taken grows with what is
    // kept, not with what is dropped or refused.
    void enterText(TextBox& box, std::u16string_view text, bool keyHeld, const TypeAtCaret& type);

    // The box a Tab keystroke moves the focus to from `from` (from before the first box when
    // nullptr or no box): the next visible and enabled box in tab order, wrapping round; `from`
    // itself when no other box can take the focus, nullptr when none can. The program's own
    // focus move, queued by the abacus, takes this path: it always lands in a box.
    TextBox* nextTabStop(const Control* from);
    // The control the user's Tab (Shift+Tab when `backwards`) moves the focus to from `from`:
    // the boxes in tab order, then the pictures that act, in kPictureClicks' order, skipping
    // those hidden or disabled and wrapping round. From nullptr or a control that takes no
    // focus, the first (or last) that can take it; `from` itself when no other can, nullptr
    // when none can.
    Control* nextFocus(const Control* from, bool backwards = false);
    // Every control that can take the focus, in the order Tab visits them, whatever their state.
    static constexpr std::size_t kFocusStops = kTextBoxCount + 3;
    std::array<Control*, kFocusStops> focusOrder() const;
    // Whether the control takes the keyboard focus when shown and enabled: the boxes, and the
    // pictures that act, on which Enter or Space is a click (pressesButton).
    static constexpr bool takesFocus(ControlKind kind, int number);
    static constexpr bool hasClickHandler(int imageNumber);

    // The handlers, named after their control and notification.
    void Form_Load();
    void Image70_Click();
    void Image3_Click();
    void Image88_Click();
    void Text1_KeyPress(short& keyAscii);
    void Text2_KeyPress(short& keyAscii);
    void Text3_KeyPress(short& keyAscii);
    void Text1_KeyUp(int keyCode, int shift);
    void Text2_KeyUp(int keyCode, int shift);
    void Text3_KeyUp(int keyCode, int shift);
    void Text4_GotFocus();
    void Text4_KeyPress(short& keyAscii);
    void Text4_KeyUp(int keyCode, int shift);

private:
    template <typename Handler>
    void deliver(Handler handler);
    void keyPressHandler(int boxNumber, short& characterCode);
    void keyUpHandler(int boxNumber, int keyCode, int shift);

    // The stacked fish (Image92 waiting, Image71 happy, Image93 sad) and faces (Image67
    // neutral, Image68 smiling, Image69 sad): one shown, the others hidden, set in the order
    // 71, 92, 93 and 67, 68, 69.
    enum class Fish { Waiting, Happy, Sad };
    enum class Face { Neutral, Smiling, Sad };
    void showFish(Fish fish);
    void showFace(Face face);
    void hideHappyAndSadFish();  // Image71, then Image93

    void generateOperations();
    void openAnswerBox(const PlayerBinding& player);
    void showBalloon(const PlayerBinding& player, bool visible);
    void showAllBalloonOutlines(bool visible);  // Line1 to Line8, then Shape1 to Shape4
    void checkAnswer(const PlayerBinding& player);
    void computeExpectedTotal();
    // What the box's KeyUp compares its text with: the total for the final box, else the
    // result of the operation on show; nullptr before the program's first operation.
    const Variant* expectedAnswer(const TextBox& box) const;
    // The number of characters at which the box's KeyUp judges its text, none while it has
    // nothing to judge.
    std::optional<std::size_t> judgedLength(const TextBox& box) const;
    bool judges(const TextBox& box) const;

    RandomSource& random_;
    WindowHost& host_;
    std::vector<std::unique_ptr<Picture>> images_;
    std::vector<std::unique_ptr<Label>> labels_;
    std::vector<std::unique_ptr<TextBox>> textBoxes_;
    std::vector<std::unique_ptr<Line>> lines_;
    std::vector<std::unique_ptr<Shape>> shapes_;
    std::vector<Control*> controls_;
    GameState state_;
    bool loaded_ = false;
    bool ended_ = false;
};

// The pictures that take a click, with their handlers; no other picture reacts to the mouse.
// The keyboard reaches them in this order, after the boxes.
struct PictureClick {
    int imageNumber;
    void (Form1::*handler)();
};
inline constexpr std::array<PictureClick, 3> kPictureClicks{{
    {70, &Form1::Image70_Click},
    {3, &Form1::Image3_Click},
    {88, &Form1::Image88_Click},
}};
static_assert(Form1::kFocusStops == kTextBoxCount + kPictureClicks.size());

constexpr bool Form1::hasClickHandler(int imageNumber) {
    for (const PictureClick& click : kPictureClicks) {
        if (click.imageNumber == imageNumber) {
            return true;
        }
    }
    return false;
}

constexpr bool Form1::takesFocus(ControlKind kind, int number) {
    return kind == ControlKind::TextBox ||
           (kind == ControlKind::Picture && hasClickHandler(number));
}

}  // namespace brivolo
