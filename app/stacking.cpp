// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "stacking.h"

#include "form1.h"

namespace brivolo {

bool sharesItsPlace(const Form1& form, const Control& control) {
    if (control.kind() != ControlKind::Picture) {
        return false;
    }
    for (const Control* other : form.controls()) {
        if (other != &control && other->kind() == ControlKind::Picture &&
            other->layout().rect == control.layout().rect) {
            return true;
        }
    }
    return false;
}

const Picture* pictureInFront(const Form1& form, const Picture& picture) {
    const Picture* front = nullptr;
    for (const Control* control : form.controls()) {
        if (control->kind() != ControlKind::Picture || !control->visible() ||
            !(control->layout().rect == picture.layout().rect)) {
            continue;
        }
        if (front == nullptr || control->layout().stackRank < front->layout().stackRank) {
            front = static_cast<const Picture*>(control);
        }
    }
    return front;
}

}  // namespace brivolo
