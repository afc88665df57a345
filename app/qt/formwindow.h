// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QHash>
#include <QWidget>

#include "app/control.h"
#include "app/form1.h"
#include "app/windowhost.h"

namespace brivolo {

class AssetStore;

// The toolkit side of Form1, and its host: one widget per control, stacked by rank, mirroring
// the controls' properties and forwarding the user's events. The window owns the form; the
// caller delivers Load (form().load()) before showing it.
class FormWindow : public QWidget, public ControlObserver, public WindowHost {
    Q_OBJECT
public:
    FormWindow(RandomSource& random, AssetStore& assets);
    ~FormWindow() override;

    // Starts making the background picture on another thread, ahead of the window.
    static void prepareBackground(AssetStore& assets, qreal devicePixelRatio);

    Form1& form() { return form_; }
    const Form1& form() const { return form_; }
    QWidget* widgetFor(const Control& control) const { return widgets_.value(&control); }
    void propertyChanged(const Control& control, Property property) override;

    // Moves the focus as a Tab keystroke would, once the running handler has returned.
    void queueTab() override;
    // Hides the window and leaves the event loop.
    void endProgram() override;
    void endWithRunTimeError(const std::string& message) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Tab and Shift+Tab, and the focus leaving a control hidden or disabled, go where the
    // game's focus order says.
    bool focusNextPrevChild(bool next) override;

private:
    QWidget* createWidget(Control& control);
    const Control* controlFor(const QWidget* widget) const;
    // The window takes the focus where a first Tab puts it, not where Qt's own chain would,
    // when it opens or comes back without a control holding it.
    void focusFirstIfNone();
    static QPixmap background(AssetStore& assets, qreal devicePixelRatio);
    // The texts a screen reader speaks follow the controls once a handler has finished,
    // not after each of the many properties it sets.
    void scheduleSpokenTexts();

    bool spokenTextsScheduled_ = false;

    Form1 form_;
    AssetStore& assets_;
    QHash<const Control*, QWidget*> widgets_;
};

}  // namespace brivolo
