// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of CCheckbox.
#pragma once

#include <widget/ccheckbox.h>

namespace rilo {
namespace widget {

class CCheckboxPrivate
{
public:
    explicit CCheckboxPrivate(CCheckbox *box)
        : q(box)
        , checkedText(CCheckbox::tr("ON"))
        , unCheckedText(CCheckbox::tr("OFF"))
    {
    }

    // Writes both entry texts and selects the entry of the stored state.
    void apply();

    CCheckbox *q;
    bool checked = false;
    QString checkedText;
    QString unCheckedText;
    // Whether each text is still the translated default: only those follow a
    // change of the application's language, a text the host set stays.
    bool checkedTextIsDefault = true;
    bool unCheckedTextIsDefault = true;
};

} // namespace widget
} // namespace rilo
