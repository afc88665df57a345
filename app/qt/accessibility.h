#pragma once

#include <QString>

namespace brivolo {

class Control;
class Form1;
class FormWindow;

// What a screen reader says for a control whose meaning follows the game; the other controls
// keep the fixed name FormWindow gives them.
struct SpokenText {
    QString name;  // empty: the widget's own text (or fixed name) stands
    QString description;
};

// The operation reads as its parts ("3", "più", "4"), the balloon as the whole operation,
// the score squares as "Punti del verde: 3", and the box that is open says whose turn it is.
SpokenText spokenText(Form1& form, const Control& control);

// Brings the accessible names and descriptions of those controls' widgets up to date; called
// after each property change, it tells assistive technology only about texts that changed.
void updateSpokenTexts(Form1& form, const FormWindow& window);

}  // namespace brivolo
