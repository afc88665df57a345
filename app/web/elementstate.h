// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace brivolo {

class Control;
class Form1;

// What the handlers change of a control's page element, as the page's attributes. The page is
// written with each element as it stands after Load, and the running program sends every field
// that changes; nothing else of an element ever changes.
enum class ElementField {
    Hidden,        // a hidden control
    Disabled,      // a disabled text box
    AriaDisabled,  // a disabled picture button
    AriaHidden,    // a picture covered by another one at its place: not for screen readers
    Role,          // a label that speaks other words than its caption is read as an image
    AriaLabel,     // the words a screen reader says for the control, when not its caption
    Text,          // not an attribute: a label's caption, a box's text
    Description,   // not an attribute: the text of the control's description note
};

inline constexpr std::array<std::string_view, 8> kElementFieldNames{
    "hidden", "disabled",   "aria-disabled", "aria-hidden",
    "role",   "aria-label", "text",          "description",
};

// nullopt: the attribute is absent.
using ElementState = std::array<std::optional<std::string>, kElementFieldNames.size()>;

ElementState elementState(const Form1& form, const Control& control);

// The id of the note that describes a control whose spoken text follows the game.
std::string descriptionId(const Control& control);

}  // namespace brivolo
