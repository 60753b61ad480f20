// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/ccheckbox.h>

#include "ccheckbox_p.h"

#include <QEvent>

namespace rilo {
namespace widget {

void CCheckboxPrivate::apply()
{
    // A selector the host emptied has nothing to rename or select; Qt 6 would
    // still report the empty selection again.
    if (q->count() == 0)
        return;
    q->setItemText(0, checkedText);
    q->setItemText(1, unCheckedText);
    q->setCurrentIndex(checked ? 0 : 1);
}

CCheckbox::CCheckbox(QWidget *parent)
    : QComboBox(parent)
    , d(new CCheckboxPrivate(this))
{
    QComboBox::insertItem(count(), QString());
    QComboBox::insertItem(count(), QString());
    d->apply();
    // Connected last, so that building the two entries emits nothing. The
    // state follows the index, whoever changed it.
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        d->checked = index == 0;
        emit toggled(d->checked);
    });
}

CCheckbox::~CCheckbox() = default;

void CCheckbox::setChecked(bool checked)
{
    if (checked == d->checked)
        return;
    d->checked = checked;
    d->apply();
}

bool CCheckbox::isChecked() const
{
    return d->checked;
}

void CCheckbox::setCheckedText(const QString &text)
{
    if (text == d->checkedText)
        return;
    d->checkedText = text;
    d->checkedTextIsDefault = false;
    d->apply();
}

QString CCheckbox::checkedText() const
{
    return d->checkedText;
}

void CCheckbox::setUnCheckedText(const QString &text)
{
    if (text == d->unCheckedText)
        return;
    d->unCheckedText = text;
    d->unCheckedTextIsDefault = false;
    d->apply();
}

QString CCheckbox::unCheckedText() const
{
    return d->unCheckedText;
}

void CCheckbox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        // Only the entry texts change: the current index stays, so the state
        // stays and nothing is emitted. Entries the host removed stay away.
        if (d->checkedTextIsDefault) {
            d->checkedText = tr("ON");
            setItemText(0, d->checkedText);
        }
        if (d->unCheckedTextIsDefault) {
            d->unCheckedText = tr("OFF");
            setItemText(1, d->unCheckedText);
        }
    }
    QComboBox::changeEvent(event);
}

} // namespace widget
} // namespace rilo
