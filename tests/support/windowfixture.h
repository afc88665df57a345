// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>

#include "app/form1.h"
#include "app/qt/assetstore.h"
#include "app/qt/formwindow.h"
#include "support/scriptedrandom.h"

namespace brivolo::test {

// The Qt window as the program builds it, with a scripted random source, its fonts loaded and
// Load delivered; not yet shown.
class WindowFixture {
public:
    explicit WindowFixture(std::uint64_t seed = 1);
    ~WindowFixture();
    WindowFixture(const WindowFixture&) = delete;
    WindowFixture& operator=(const WindowFixture&) = delete;

    ScriptedRandom random;
    AssetStore assets;
    std::unique_ptr<FormWindow> window;
    Form1& form;

    QWidget* widget(ControlKind kind, int number) const;
    QWidget* image(int number) const { return widget(ControlKind::Picture, number); }
    QWidget* box(int number) const { return widget(ControlKind::TextBox, number); }
    // Shows the window and waits until it is active, so that it can hold the focus.
    bool showActive();
    // Shows the window and waits until it is on the screen.
    bool showExposed();
    void clickImage(int number);
    QImage grab() const;  // at the screen's device pixel ratio
};

}  // namespace brivolo::test
