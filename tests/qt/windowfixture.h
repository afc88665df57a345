#pragma once

#include <QImage>
#include <memory>

#include "app/form1.h"
#include "app/qt/assetstore.h"
#include "app/qt/formwindow.h"
#include "support/fakes.h"

namespace brivolo::test {

// The Qt window of a game with a scripted random source; the quit click is only recorded.
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    class Host : public WindowHost {
    public:
        FormWindow* window = nullptr;
        int endRequests = 0;
        void queueTab() override { window->queueTab(); }
        void endProgram() override { ++endRequests; }
    };

    ScriptedRandom random;
    Host host;
    AssetStore assets;
    Form1 form{random, host};
    std::unique_ptr<FormWindow> window;

    QWidget* widget(ControlKind kind, int number) const;
    QWidget* image(int number) const { return widget(ControlKind::Picture, number); }
    QWidget* box(int number) const { return widget(ControlKind::TextBox, number); }
    // Shows the window and waits until it is active, so that it can hold the focus.
    bool showActive();
    void clickImage(int number);
    QImage grab() const;  // at the screen's device pixel ratio
};

}  // namespace brivolo::test
