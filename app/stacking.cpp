// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "stacking.h"

#include "form1.h"

namespace brivolo {

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
