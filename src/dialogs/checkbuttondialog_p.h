// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of CheckButtonDialog, and the button and grid rules that the
// parameter dialogs share with it.
#pragma once

#include <widget/checkbuttondialog.h>

#include <QButtonGroup>
#include <QList>
#include <QPointer>
#include <QPushButton>

class QGridLayout;
class QString;
class QVariant;

namespace rilo {
namespace widget {

class CheckButtonDialogPrivate
{
public:
    // The button of entry i, or null once the host has deleted it (the
    // entry's own pointer is then set to null as well).
    QPushButton *button(int i);

    QPointer<QButtonGroup> group;            // holds every button; a child of the dialog
    QList<CheckButtonDialog::TParam> params; // one entry per button, in input order
    QList<QPointer<QPushButton>> buttons;    // the entries' buttons, guarded: the host may delete them
};

namespace checkbutton {

// A checkable push button of at least 80 × 49 (the width times 0.618,
// truncated) carrying data in its "UserData" property. No parent.
QPushButton *make(const QString &text, const QVariant &data);

// Adds button number index to grid: with columns > 0 at row index / columns + 1
// (row 0 stays free) and column index % columns; with columns <= 0 in row 0,
// column index. No alignment flags.
void addToGrid(QGridLayout *grid, QPushButton *button, int index, int columns);

// Adds button number index to group with the identifier that
// QButtonGroup::addButton(button, -1) would give it in a fresh group (-2,
// -3, ...), without the search for a free identifier that makes -1 cost
// linear time per button.
void addToGroup(QButtonGroup *group, QPushButton *button, int index);

// Checks button and gives it keyboard focus, as the dialogs' setters do. A
// handler of the check may delete the button: then the focus stays where it is.
void checkAndFocus(QPushButton *button, bool checked);

} // namespace checkbutton

} // namespace widget
} // namespace rilo
