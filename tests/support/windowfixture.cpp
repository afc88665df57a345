// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "windowfixture.h"

#include <QApplication>
#include <QTest>

#include "app/qt/fonts.h"

namespace brivolo::test {

namespace {

// The widgets take their fonts as they are built.
std::unique_ptr<FormWindow> windowWithGameFonts(RandomSource& random, AssetStore& assets) {
    loadGameFonts();
    return std::make_unique<FormWindow>(random, assets);
}

}  // namespace

WindowFixture::WindowFixture(std::uint64_t seed)
    : random(seed), window(windowWithGameFonts(random, assets)), form(window->form()) {
    form.load();
}

WindowFixture::~WindowFixture() = default;

QWidget* WindowFixture::widget(ControlKind kind, int number) const {
    return window->widgetFor(form.control(kind, number));
}

bool WindowFixture::showActive() {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get());
}

bool WindowFixture::showExposed() {
    window->show();
    return QTest::qWaitForWindowExposed(window.get());
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
