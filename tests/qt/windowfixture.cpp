#include "windowfixture.h"

#include <QApplication>
#include <QTest>

#include "app/qt/fonts.h"

namespace brivolo::test {

WindowFixture::WindowFixture() {
    loadGameFonts();
    window = std::make_unique<FormWindow>(form, assets);
    host.window = window.get();
    form.load();
}

WindowFixture::~WindowFixture() = default;

QWidget* WindowFixture::widget(ControlKind kind, int number) const {
    return window->widgetFor(const_cast<Form1&>(form).control(kind, number));
}

bool WindowFixture::showActive() {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get());
}

void WindowFixture::clickImage(int number) {
    QWidget* picture = image(number);
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, picture->rect().center());
    QCoreApplication::processEvents();
}

QImage WindowFixture::grab() const {
    return window->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace brivolo::test
