// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "control.h"

namespace brivolo {

Control::Control(const ControlLayout& entry) : layout_(entry) {}

void Control::setVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        notify(Property::Visible);
    }
}

void Control::setEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        notify(Property::Enabled);
    }
}

void Control::notify(Property property) const {
    if (observer_ != nullptr) {
        observer_->propertyChanged(*this, property);
    }
}

Label::Label(const ControlLayout& entry) : Control(entry), caption_(entry.caption) {}

void Label::setCaption(std::string caption) {
    if (caption_ != caption) {
        caption_ = std::move(caption);
        notify(Property::Caption);
    }
}

void TextBox::setText(std::string text) {
    if (text_ != text) {
        text_ = std::move(text);
        notify(Property::Text);
    }
}

}  // namespace brivolo
