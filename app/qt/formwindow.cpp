#include "formwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "accessibility.h"
#include "app/form1.h"
#include "app/spokentext.h"
#include "assetstore.h"
#include "fonts.h"
#include "picturewidget.h"
#include "strokewidget.h"
#include "textboxwidget.h"

namespace brivolo {

namespace {

const QEvent::Type kTabRequest = static_cast<QEvent::Type>(QEvent::registerEventType());

QColor toColor(Paint paint) {
    const Rgb c = rgb(paint);
    return QColor(c.red, c.green, c.blue);
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FormWindow::FormWindow(Form1& form, AssetStore& assets)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      form_(form),
      assets_(assets) {
    setWindowTitle(toQString(kCaption));
    setFixedSize(kClientWidth, kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(toQString(kCaption));

    // Lower rank in front: create from the back, each new sibling lies over the earlier ones.
    std::vector<Control*> byRank = form.controls();
    std::sort(byRank.begin(), byRank.end(), [](const Control* a, const Control* b) {
        return a->spec().stackRank > b->spec().stackRank;
    });
    for (Control* control : byRank) {
        widgets_.insert(control, createWidget(*control));
    }
    // Tab order follows the text boxes' tab indices.
    std::vector<Control*> boxes;
    for (Control* control : form.controls()) {
        if (control->kind() == ControlKind::TextBox) {
            boxes.push_back(control);
        }
    }
    std::sort(boxes.begin(), boxes.end(), [](const Control* a, const Control* b) {
        return a->spec().tabIndex < b->spec().tabIndex;
    });
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        setTabOrder(widgets_.value(boxes[i - 1]), widgets_.value(boxes[i]));
    }
    form.setObserver(this);
    updateSpokenTexts(form_, *this);
}

FormWindow::~FormWindow() {
    form_.setObserver(nullptr);
}

QWidget* FormWindow::createWidget(Control& control) {
    const ControlSpec& spec = control.spec();
    QWidget* widget = nullptr;
    switch (spec.kind) {
        case ControlKind::Picture: {
            auto* picture = new PictureWidget(form_, static_cast<Picture&>(control), assets_, this);
            if (spec.cursor == Cursor::Hand) {
                picture->setCursor(assets_.handCursor(devicePixelRatioF()));
            }
            widget = picture;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(toQString(static_cast<Label&>(control).caption()), this);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            label->setFont(gameFont(spec.font));
            label->setContentsMargins(0, baselineCorrection(label->font()), 0, 0);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, toColor(spec.fore));
            if (spec.back != Paint::Transparent) {
                palette.setColor(QPalette::Window, toColor(spec.back));
                label->setAutoFillBackground(true);
            }
            label->setPalette(palette);
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* box = new TextBoxWidget(form_, static_cast<TextBox&>(control), this);
            box->setFont(gameFont(spec.font));
            box->setFrame(false);
            QPalette palette = box->palette();
            // A disabled box keeps its colours: the answer stays readable in it.
            const QColor base = spec.back == Paint::SystemWindow
                                    ? palette.color(QPalette::Active, QPalette::Base)
                                    : toColor(spec.back);
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                palette.setColor(group, QPalette::Text, toColor(spec.fore));
                palette.setColor(group, QPalette::Base, base);
            }
            box->setPalette(palette);
            widget = box;
            break;
        }
        case ControlKind::Line:
        case ControlKind::Shape:
            widget = new StrokeWidget(spec, this);
            break;
    }
    if (spec.kind != ControlKind::Line) {
        widget->setGeometry(spec.rect.left, spec.rect.top, spec.rect.width, spec.rect.height);
    }
    widget->setObjectName(QString::fromStdString(control.name()));
    widget->setToolTip(toQString(spec.tooltip));
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

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(
        rect(), QColor(kWindowBackground.red, kWindowBackground.green, kWindowBackground.blue));
    const AssetSpec& background = assetSpec(Asset::BeachBackground);
    // Drawn at its own size from the origin: the client area crops it, nothing scales it.
    painter.drawPixmap(
        0, 0,
        assets_.pixmap(Asset::BeachBackground, QSize(background.width, background.height),
                       devicePixelRatioF()));
}

void FormWindow::queueTab() {
    QCoreApplication::postEvent(this, new QEvent(kTabRequest));
}

bool FormWindow::event(QEvent* event) {
    if (event->type() == kTabRequest) {
        QWidget* target = focusWidget() != nullptr ? focusWidget() : this;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &tab);
        return true;
    }
    return QWidget::event(event);
}

void QtWindowHost::queueTab() {
    if (window_ != nullptr) {
        window_->queueTab();
    }
}

void QtWindowHost::endProgram() {
    if (window_ != nullptr) {
        window_->hide();
    }
    QCoreApplication::exit(0);
}

}  // namespace brivolo
