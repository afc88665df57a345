#pragma once

#include "app/windowhost.h"

namespace brivolo {
class FormWindow;
}

namespace brivolo::hardening {

// Carries the queued Tab out through the real window, as the program's host does, but only
// records a request to end the program so that the test can open a fresh window.
class ForwardingHost : public WindowHost {
public:
    void setWindow(FormWindow* window) { window_ = window; }
    void queueTab() override;
    void endProgram() override { ++endRequests; }

    int endRequests = 0;

private:
    FormWindow* window_ = nullptr;
};

}  // namespace brivolo::hardening
