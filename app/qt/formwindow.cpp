// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "formwindow.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "accessibility.h"
#include "app/form1.h"
#include "app/spokentext.h"
#include "assetstore.h"
#include "fonts.h"
#include "picturewidget.h"
#include "runtimeerror.h"
#include "strokewidget.h"
#include "textboxwidget.h"

namespace brivolo {

namespace {

QColor toColor(Paint paint) {
    const Rgb c = rgb(paint);
    return QColor(c.red, c.green, c.blue);
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FormWindow::FormWindow(RandomSource& random, AssetStore& assets)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      form_(random, *this),
      assets_(assets) {
    setWindowTitle(toQString(kCaption));
    setFixedSize(kClientWidth, kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(toQString(kCaption));
    // The controls are created with the window's font before they get their own: one of the
    // game's faces, so that no other face is loaded for nothing.
    setFont(gameFont(FontSize::Medium));

    // Lower rank in front: create from the back, each new sibling lies over the earlier ones.
    std::vector<Control*> byRank = form_.controls();
    std::sort(byRank.begin(), byRank.end(), [](const Control* a, const Control* b) {
        return a->layout().stackRank > b->layout().stackRank;
    });
    for (Control* control : byRank) {
        widgets_.insert(control, createWidget(*control));
    }
    form_.setObserver(this);
    updateSpokenTexts(form_, *this);
}

FormWindow::~FormWindow() {
    form_.setObserver(nullptr);
    // The widgets forward events to the form's controls: they go before the form does.
    qDeleteAll(widgets_);
}

QWidget* FormWindow::createWidget(Control& control) {
    const ControlLayout& entry = control.layout();
    QWidget* widget = nullptr;
    switch (entry.kind) {
        case ControlKind::Picture: {
            auto* picture = new PictureWidget(form_, static_cast<Picture&>(control), assets_, this);
            if (entry.cursor == Cursor::Hand) {
                picture->setCursor(assets_.handCursor(devicePixelRatioF()));
            }
            widget = picture;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(toQString(static_cast<Label&>(control).caption()), this);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            label->setFont(gameFont(entry.font));
            label->setContentsMargins(0, baselineCorrection(label->font()), 0, 0);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, toColor(entry.fore));
            if (entry.back != Paint::Transparent) {
                palette.setColor(QPalette::Window, toColor(entry.back));
                label->setAutoFillBackground(true);
            }
            label->setPalette(palette);
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* box = new TextBoxWidget(form_, static_cast<TextBox&>(control), this);
            box->setFont(gameFont(entry.font));
            box->setFrame(false);
            QPalette palette = box->palette();
            // A disabled box keeps its colours: the answer stays readable in it.
            const QColor base = entry.back == Paint::SystemWindow
                                    ? palette.color(QPalette::Active, QPalette::Base)
                                    : toColor(entry.back);
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                palette.setColor(group, QPalette::Text, toColor(entry.fore));
                palette.setColor(group, QPalette::Base, base);
            }
            box->setPalette(palette);
            widget = box;
            break;
        }
        case ControlKind::Line:
        case ControlKind::Shape:
            widget = new StrokeWidget(entry, this);
            break;
    }
    const Rect area = drawnArea(entry);
    widget->setGeometry(area.left, area.top, area.width, area.height);
    widget->setObjectName(QString::fromStdString(control.name()));
    widget->setToolTip(toQString(entry.tooltip));
    widget->setAccessibleName(QString::fromStdString(fixedName(control)));
    widget->setVisible(control.visible());
    widget->setEnabled(control.enabled());
    return widget;
}

void FormWindow::propertyChanged(const Control& control, Property property) {
    QWidget* widget = widgets_.value(&control);
    if (widget == nullptr) {
        return;
    }
    switch (property) {
        case Property::Visible:
            widget->setVisible(control.visible());
            break;
        case Property::Enabled:
            widget->setEnabled(control.enabled());
            break;
        case Property::Caption:
            static_cast<QLabel*>(widget)->setText(
                QString::fromStdString(static_cast<const Label&>(control).caption()));
            break;
        case Property::Text:
            static_cast<QLineEdit*>(widget)->setText(
                QString::fromStdString(static_cast<const TextBox&>(control).text()));
            break;
    }
    scheduleSpokenTexts();
}

void FormWindow::scheduleSpokenTexts() {
    if (spokenTextsScheduled_) {
        return;
    }
    spokenTextsScheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            spokenTextsScheduled_ = false;
            updateSpokenTexts(form_, *this);
        },
        Qt::QueuedConnection);
}

QPixmap FormWindow::background(AssetStore& assets, qreal devicePixelRatio) {
    const PictureDescription& background = pictureDescription(Asset::BeachBackground);
    return assets.pixmap(Asset::BeachBackground, QSize(background.width, background.height),
                         devicePixelRatio);
}

void FormWindow::prepareBackground(AssetStore& assets, qreal devicePixelRatio) {
    const PictureDescription& background = pictureDescription(Asset::BeachBackground);
    assets.prepare(Asset::BeachBackground, QSize(background.width, background.height),
                   devicePixelRatio);
}

void FormWindow::focusFirstIfNone() {
    if (focusWidget() == nullptr) {
        if (Control* first = form_.nextFocus(nullptr)) {
            widgets_.value(first)->setFocus(Qt::OtherFocusReason);
        }
    }
}

// The pictures on show are unpacked on other threads while the window system maps the window.
void FormWindow::showEvent(QShowEvent* event) {
    focusFirstIfNone();
    for (auto shown = widgets_.cbegin(); shown != widgets_.cend(); ++shown) {
        const Control& control = *shown.key();
        if (control.kind() == ControlKind::Picture && control.visible()) {
            assets_.prepare(control.layout().asset, shown.value()->size(), devicePixelRatioF());
        }
    }
    QWidget::showEvent(event);
}

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(
        rect(), QColor(kWindowBackground.red, kWindowBackground.green, kWindowBackground.blue));
    // Drawn at its own size from the origin: the client area crops it, nothing scales it.
    painter.drawPixmap(0, 0, background(assets_, devicePixelRatioF()));
}

const Control* FormWindow::controlFor(const QWidget* widget) const {
    return widget == nullptr ? nullptr : widgets_.key(const_cast<QWidget*>(widget), nullptr);
}

void FormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        focusFirstIfNone();
    }
    QWidget::changeEvent(event);
}

bool FormWindow::focusNextPrevChild(bool next) {
    const QWidget* current = focusWidget();
    const Control* from = controlFor(current);
    // A control hidden or disabled while it has the focus hands it on as the program's own
    // moves do, to a box or nowhere: never to a picture, where Enter would act unasked.
    const bool handedOn =
        current != nullptr && !(current->isEnabled() && current->isVisibleTo(this));
    Control* to = handedOn ? form_.nextTabStop(from) : form_.nextFocus(from, !next);
    if (to == nullptr) {
        return false;
    }
    widgets_.value(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void FormWindow::queueTab() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (TextBox* to = form_.nextTabStop(controlFor(focusWidget()))) {
                widgets_.value(to)->setFocus(Qt::TabFocusReason);
            }
        },
        Qt::QueuedConnection);
}

void FormWindow::endProgram() {
    hide();
    QCoreApplication::exit(0);
}

void FormWindow::endWithRunTimeError(const std::string& message) {
    exitWithRunTimeError(message);
}

}  // namespace brivolo
