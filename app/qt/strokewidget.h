// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QWidget>

#include "app/layout.h"

namespace brivolo {

// A line or a rounded-rectangle outline: 2 px blue, hollow, never taking clicks.
class StrokeWidget : public QWidget {
    Q_OBJECT
public:
    StrokeWidget(const ControlLayout& entry, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ControlLayout& layout_;
};

}  // namespace brivolo
