// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "formtitle_p.h"

#include <QWidget>

namespace rilo {
namespace widget {

void followFormTitle(QWidget *window, QString &formTitle, const std::function<void()> &setFormTexts)
{
    const QString title = window->windowTitle();
    const bool hostTitle = title != formTitle;
    setFormTexts();
    formTitle = window->windowTitle();
    if (hostTitle)
        window->setWindowTitle(title);
}

} // namespace widget
} // namespace rilo
