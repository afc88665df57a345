// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <string>

#include "layout.h"

namespace brivolo {

class Control;

enum class Property { Visible, Enabled, Caption, Text };

// A front end mirrors property changes onto its widgets through this.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void propertyChanged(const Control& control, Property property) = 0;
};

// One control of the window, created from its layout entry. The handlers change only
// Visible, Enabled, Caption and Text; everything else is fixed by the layout.
class Control {
public:
    explicit Control(const ControlLayout& entry);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const ControlLayout& layout() const { return layout_; }
    ControlKind kind() const { return layout_.kind; }
    int number() const { return layout_.number; }
    std::string name() const { return controlName(layout_.kind, layout_.number); }

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    void setObserver(ControlObserver* observer) { observer_ = observer; }

protected:
    void notify(Property property) const;

private:
    const ControlLayout& layout_;
    bool visible_ = true;
    bool enabled_ = true;
    ControlObserver* observer_ = nullptr;
};

class Picture : public Control {
public:
    using Control::Control;
    Asset asset() const { return layout().asset; }
};

class Label : public Control {
public:
    explicit Label(const ControlLayout& entry);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

private:
    std::string caption_;
};

class TextBox : public Control {
public:
    using Control::Control;
    const std::string& text() const { return text_; }
    void setText(std::string text);
    // The user edited the box: the front end already shows this text, so nobody is told.
    void takeEditedText(std::string text) { text_ = std::move(text); }

private:
    std::string text_;
};

class Line : public Control {
public:
    using Control::Control;
};

class Shape : public Control {
public:
    using Control::Control;
};

}  // namespace brivolo
