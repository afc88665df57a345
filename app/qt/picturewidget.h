// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QWidget>

namespace brivolo {

class AssetStore;
class Form1;
class Picture;

// A picture control: its asset stretched to the rectangle, transparent where the asset is.
// A picture the game takes clicks on is also a Tab stop, never focused by the mouse, that
// Enter or Space clicks, framed as the style frames the focus while it has it.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(Form1& form, Picture& picture, AssetStore& assets, QWidget* parent);

    // Takes a click, and is a button to assistive technology, when the game handles its clicks.
    bool isButton() const;
    // A click as the game takes it: dropped while the picture is hidden or disabled.
    void click();
    // Shown and not hidden behind another picture laid out at its place.
    bool isInFront() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Form1& form_;
    Picture& picture_;
    AssetStore& assets_;
    bool pressed_ = false;
};

}  // namespace brivolo
