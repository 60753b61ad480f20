// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/windowflash.h>

#include "windowflash_p.h"
#include "windowflash_platform.h"

#include <QWidget>

namespace rilo {
namespace widget {

namespace {

constexpr quint32 kOnceInterval = 500; // milliseconds between flashes of startOnce()

} // namespace

WindowFlash::Backend::~Backend() = default;

void WindowFlashPrivate::send()
{
    if (backend) {
        backend->flash(flashInfo);
        return;
    }
    platform::flashWindow({flashInfo.window, flashInfo.flags, flashInfo.count, flashInfo.interval});
}

WindowFlash::WindowFlash(QWidget *widget, Backend *backend)
    : d(new WindowFlashPrivate)
{
    d->widget = widget;
    d->backend = backend;
    // winId() creates the native window if the widget has none yet.
    d->flashInfo.window = widget ? quintptr(widget->winId()) : 0;
    d->flashInfo.flags = kFlash;
    d->flashInfo.count = 0;
    d->flashInfo.interval = 0;
}

WindowFlash::~WindowFlash()
{
    stop();
}

void WindowFlash::start()
{
    const QWidget *widget = d->widget.data();
    if (!widget || widget->winId() == 0)
        return;
    d->flashInfo.flags = kFlash;
    d->flashInfo.count = 0;
    d->flashInfo.interval = 0;
    d->send();
}

void WindowFlash::startOnce(unsigned int milliseconds)
{
    const QWidget *widget = d->widget.data();
    if (!widget || widget->winId() == 0)
        return;
    d->flashInfo.interval = kOnceInterval;
    d->flashInfo.count = quint32(double(milliseconds) / kOnceInterval + 0.5);
    d->flashInfo.flags = kFlash;
    d->send();
}

void WindowFlash::stop()
{
    d->flashInfo.flags = kStop;
    d->send();
}

} // namespace widget
} // namespace rilo
