// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "elementstate.h"

#include "app/form1.h"
#include "app/spokentext.h"
#include "app/stacking.h"

namespace brivolo {

namespace {

void set(ElementState& state, ElementField field, std::string value) {
    state[static_cast<std::size_t>(field)] = std::move(value);
}

}  // namespace

ElementState elementState(const Form1& form, const Control& control) {
    ElementState state;
    if (!control.visible()) {
        set(state, ElementField::Hidden, "");
    }
    switch (control.kind()) {
        case ControlKind::Picture: {
            const auto& picture = static_cast<const Picture&>(control);
            if (Form1::hasClickHandler(picture.number())) {
                set(state, ElementField::AriaDisabled, picture.enabled() ? "false" : "true");
            }
            if (picture.visible() && pictureInFront(form, picture) != &picture) {
                set(state, ElementField::AriaHidden, "true");
            }
            break;
        }
        case ControlKind::Label:
            set(state, ElementField::Text, static_cast<const Label&>(control).caption());
            break;
        case ControlKind::TextBox:
            if (!control.enabled()) {
                set(state, ElementField::Disabled, "");
            }
            set(state, ElementField::Text, static_cast<const TextBox&>(control).text());
            break;
        case ControlKind::Line:
        case ControlKind::Shape:
            break;
    }
    if (spokenTextChanges(control)) {
        SpokenText spoken = spokenText(form, control);
        std::string name = spoken.name.empty() ? fixedName(control) : std::move(spoken.name);
        if (!name.empty()) {
            if (control.kind() == ControlKind::Label) {
                set(state, ElementField::Role, "img");
            }
            set(state, ElementField::AriaLabel, std::move(name));
        }
        set(state, ElementField::Description, std::move(spoken.description));
    }
    return state;
}

std::string descriptionId(const Control& control) {
    return control.name() + "-description";
}

}  // namespace brivolo
