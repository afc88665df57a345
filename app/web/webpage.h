// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <string>
#include <vector>

#include "app/control.h"
#include "app/windowhost.h"

namespace brivolo {

class Form1;

// The browser side of Form1: one page element per control, stacked by rank, mirroring the
// controls' properties; the page's script forwards the user's events through the functions
// below, by the control's place in the layout.
class WebPage : public ControlObserver, public WindowHost {
public:
    WebPage() = default;
    ~WebPage() override;
    WebPage(const WebPage&) = delete;
    WebPage& operator=(const WebPage&) = delete;

    // Builds the page's elements for the window's controls and starts mirroring them.
    void attach(Form1& form);

    void propertyChanged(const Control& control, Property property) override;
    void queueTab() override;
    void endProgram() override;
    void endWithRunTimeError(const std::string& message) override;

    void click(int index);
    short keyPress(int index, short characterCode);
    void textEdited(int index, std::string text);
    void keyUp(int index, int keyCode, int shift);
    void gotFocus(int index);
    // Tells the page which pictures are still loading, and that the window is ready.
    void show();

private:
    void createElement(int index, const Control& control);
    // The texts a screen reader speaks follow the controls once a handler has finished.
    void updateSpokenTexts();

    Form1* form_ = nullptr;
    std::vector<Control*> controls_;  // in layout order; the page knows them by this index
    std::vector<std::string> spokenNames_;
    std::vector<std::string> spokenDescriptions_;
    std::vector<char> behind_;  // hidden from screen readers by a picture in front
    std::vector<bool> assetSent_ = std::vector<bool>(kAssets.size() + 1, false);
};

}  // namespace brivolo
