#include "forwardinghost.h"

#include "app/qt/formwindow.h"

namespace brivolo::hardening {

void ForwardingHost::queueTab() {
    if (window_ != nullptr) {
        window_->queueTab();
    }
}

}  // namespace brivolo::hardening
