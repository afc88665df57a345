// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QAccessibleWidget>

namespace brivolo {

class PictureWidget;

// A picture as assistive technology sees it. The pictures the game takes clicks on are buttons
// whose press action clicks them as the mouse does (the game drops the click while they are
// hidden or disabled), without taking the keyboard focus. Of the pictures stacked at
// one place only the one in front is reported visible: the others are hidden behind it.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureWidget* picture);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Tells assistive technology when the picture came in front or went behind another.
    void updateInFront();

private:
    PictureWidget* picture() const;
    bool reportedInFront_;
};

// Makes the pictures of the window use PictureAccessible; idempotent.
void installPictureAccessibility();

}  // namespace brivolo
