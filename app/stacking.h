// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

namespace brivolo {

class Control;
class Form1;
class Picture;

// Whether another picture is laid out on the picture's rectangle, so that whether it is seen
// changes with the others; false for any other control.
bool sharesItsPlace(const Form1& form, const Control& control);

// Pictures laid out on one and the same rectangle (the three answer fish, the three faces)
// hide one another: of those shown, only the one of lowest stack rank is seen. Returns the
// picture seen at `picture`'s place (itself, for a picture alone at its place), or nullptr if
// none of the pictures there is shown.
const Picture* pictureInFront(const Form1& form, const Picture& picture);

}  // namespace brivolo
