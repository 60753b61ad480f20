// Private record of CCheckbox.
#pragma once

#include <widget/ccheckbox.h>

namespace rilo {
namespace widget {

class CCheckboxPrivate
{
public:
    explicit CCheckboxPrivate(CCheckbox *q)
        : q(q)
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
};

} // namespace widget
} // namespace rilo
