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

void checkAndFocus(QPushButton *button, bool checked)
{
    button->setChecked(checked);
    button->setFocus(Qt::OtherFocusReason);
}

} // namespace checkbutton

CheckButtonDialog::CheckButtonDialog(const QList<std::pair<QString, QVariant>> &items, int columns,
                                     QWidget *parent, const Qt::WindowFlags &flags)
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
        button->setParent(this);
        d->group->addButton(button, -1);
        checkbutton::addToGrid(grid, button, i, columns);
        d->params.append(TParam(item.first, item.second, button));
    }
    setLayout(grid);
}

CheckButtonDialog::~CheckButtonDialog()
{
    while (!d->params.isEmpty())
        delete std::get<2>(d->params.takeLast());
    delete d;
    d = nullptr;
}

void CheckButtonDialog::setExclusive(bool exclusive)
{
    d->group->setExclusive(exclusive);
}

void CheckButtonDialog::setChecked(const QString &text, bool checked)
{
    for (const TParam &param : qAsConst(d->params)) {
        if (QString::compare(std::get<0>(param), text, Qt::CaseInsensitive) == 0) {
            checkbutton::checkAndFocus(std::get<2>(param), checked);
            return;
        }
    }
}

void CheckButtonDialog::setChecked(const QVariant &value, bool checked)
{
    for (const TParam &param : qAsConst(d->params)) {
        if (std::get<1>(param) == value) {
            checkbutton::checkAndFocus(std::get<2>(param), checked);
            return;
        }
    }
}

void CheckButtonDialog::setCheckedAll(bool checked)
{
    for (const TParam &param : qAsConst(d->params))
        std::get<2>(param)->setChecked(checked);
}

QPushButton *CheckButtonDialog::makeButton(const QString &text, const QVariant &data)
{
    return checkbutton::make(text, data);
}

void CheckButtonDialog::sltButtonClicked()
{
    const QObject *button = sender();
    for (TParam &param : d->params) {
        if (std::get<2>(param) == button) {
            emit buttonClicked(param);
            return;
        }
    }
}

} // namespace widget
} // namespace rilo
