// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/checkbuttondialog.h>

#include "checkbuttondialog_p.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>

namespace rilo {
namespace widget {

namespace checkbutton {

namespace {
const char kUserData[] = "UserData";
const int kMinimumWidth = 80;
} // namespace

QPushButton *make(const QString &text, const QVariant &data)
{
    auto *button = new QPushButton(text);
    button->setProperty(kUserData, data);
    button->setCheckable(true);
    button->setMinimumWidth(kMinimumWidth);
    // The golden ratio of the width, truncated: 49.
    button->setMinimumHeight(static_cast<int>(kMinimumWidth * 0.618));
    return button;
}

void addToGrid(QGridLayout *grid, QPushButton *button, int index, int columns)
{
    if (columns > 0)
        grid->addWidget(button, index / columns + 1, index % columns);
    else
        grid->addWidget(button, 0, index);
}

void addToGroup(QButtonGroup *group, QPushButton *button, int index)
{
    group->addButton(button, -2 - index);
}

void checkAndFocus(QPushButton *button, bool checked)
{
    const QPointer<QPushButton> guard(button);
    button->setChecked(checked);
    if (guard)
        guard->setFocus(Qt::OtherFocusReason);
}

} // namespace checkbutton

QPushButton *CheckButtonDialogPrivate::button(int i)
{
    QPushButton *const live = buttons.at(i).data();
    if (!live)
        std::get<2>(params[i]) = nullptr;
    return live;
}

CheckButtonDialog::CheckButtonDialog(const QList<std::pair<QString, QVariant>> &items, int columns, QWidget *parent,
                                     const Qt::WindowFlags &flags)
    : QDialog(parent, flags)
    , d(new CheckButtonDialogPrivate)
{
    d->group = new QButtonGroup(this);
    d->group->setExclusive(false);

    auto *grid = new QGridLayout;
    for (int i = 0; i < items.size(); ++i) {
        const auto &item = items.at(i);
        QPushButton *button = checkbutton::make(item.first, item.second);
        connect(button, &QPushButton::clicked, this, &CheckButtonDialog::sltButtonClicked);
        checkbutton::addToGroup(d->group, button, i);
        checkbutton::addToGrid(grid, button, i, columns);
        d->params.append(TParam(item.first, item.second, button));
        d->buttons.append(button);
    }
    setLayout(grid); // makes the buttons the dialog's children, in the order of the grid
}

CheckButtonDialog::~CheckButtonDialog()
{
    // The layout and the group go first: a button deleted while they exist
    // is searched for in both, which made closing a large dialog quadratic.
    delete layout();
    delete d->group.data();
    while (!d->buttons.isEmpty())
        delete d->buttons.takeLast().data();
}

void CheckButtonDialog::setExclusive(bool exclusive)
{
    if (QButtonGroup *group = d->group.data())
        group->setExclusive(exclusive);
}

void CheckButtonDialog::setChecked(const QString &text, bool checked)
{
    for (int i = 0; i < d->params.size(); ++i) {
        if (QString::compare(std::get<0>(d->params.at(i)), text, Qt::CaseInsensitive) != 0)
            continue;
        if (QPushButton *button = d->button(i)) {
            checkbutton::checkAndFocus(button, checked);
            return;
        }
    }
}

void CheckButtonDialog::setChecked(const QVariant &value, bool checked)
{
    for (int i = 0; i < d->params.size(); ++i) {
        if (std::get<1>(d->params.at(i)) != value)
            continue;
        if (QPushButton *button = d->button(i)) {
            checkbutton::checkAndFocus(button, checked);
            return;
        }
    }
}

void CheckButtonDialog::setCheckedAll(bool checked)
{
    // Each check reaches the host's handlers, which may delete buttons or
    // the dialog: walk a copy of the guarded list and stop once the dialog
    // is gone.
    const QPointer<CheckButtonDialog> self(this);
    const QList<QPointer<QPushButton>> buttons = d->buttons;
    for (const QPointer<QPushButton> &button : buttons) {
        if (button)
            button->setChecked(checked);
        if (!self)
            return;
    }
}

QPushButton *CheckButtonDialog::makeButton(const QString &text, const QVariant &data)
{
    return checkbutton::make(text, data);
}

void CheckButtonDialog::sltButtonClicked()
{
    const QObject *button = sender();
    for (int i = 0; i < d->params.size(); ++i) {
        if (button && d->buttons.at(i) == button) {
            emit buttonClicked(d->params[i]);
            return;
        }
    }
}

} // namespace widget
} // namespace rilo
