#pragma once

#include <QHash>
#include <QWidget>

#include "app/control.h"
#include "app/windowhost.h"

namespace brivolo {

class AssetStore;
class Form1;

// The toolkit side of Form1: one widget per control, stacked by rank, mirroring the
// controls' properties and forwarding the user's events.
class FormWindow : public QWidget, public ControlObserver {
    Q_OBJECT
public:
    FormWindow(Form1& form, AssetStore& assets);
    ~FormWindow() override;

    // Starts making the background picture on another thread, ahead of the window.
    static void prepareBackground(AssetStore& assets, qreal devicePixelRatio);

    QWidget* widgetFor(const Control& control) const { return widgets_.value(&control); }
    void propertyChanged(const Control& control, Property property) override;

    // Moves the focus as a Tab keystroke would, once the running handler has returned.
    void queueTab();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    QWidget* createWidget(Control& control);
    static QPixmap background(AssetStore& assets, qreal devicePixelRatio);
    // The texts a screen reader speaks follow the controls once a handler has finished,
    // not after each of the many properties it sets.
    void scheduleSpokenTexts();

    bool spokenTextsScheduled_ = false;

    Form1& form_;
    AssetStore& assets_;
    QHash<const Control*, QWidget*> widgets_;
};

// The window host of the Qt program: queued Tab and the end of the program.
class QtWindowHost : public WindowHost {
public:
    void setWindow(FormWindow* window) { window_ = window; }
    void queueTab() override;
    void endProgram() override;

private:
    FormWindow* window_ = nullptr;
};

}  // namespace brivolo
