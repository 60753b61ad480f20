// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// A window whose title comes from its designer form: the title follows the
// form (retranslateUi() sets it in the new language) unless the host set a
// title of its own, which then stays.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace rilo {
namespace widget {

// Calls setFormTexts(), which lets the form set the title of window, and puts
// back a title the host set before. formTitle holds the title the form set
// last (any other title is the host's) and is updated to the one it sets now.
void followFormTitle(QWidget *window, QString &formTitle, const std::function<void()> &setFormTexts);

} // namespace widget
} // namespace rilo
