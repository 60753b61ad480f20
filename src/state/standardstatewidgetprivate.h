// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of StandardStateWidget.
#pragma once

#include <QPointer>
#include <QWidget>

class QGridLayout;

namespace rilo {
namespace widget {

class StandardStateWidgetPrivate
{
public:
    // Owned by the frame; null after setContent(nullptr). Guarded, so that a
    // host that deletes the content itself leaves no dangling pointer behind.
    QPointer<QWidget> content;
    QGridLayout *gridLayout = nullptr; // the frame's layout; margins = border width
};

} // namespace widget
} // namespace rilo
