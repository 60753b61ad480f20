// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of CheckButtonDialog, and the button and grid rules that the
// parameter dialogs share with it.
#pragma once

#include <widget/checkbuttondialog.h>

#include <QList>

class QButtonGroup;
class QGridLayout;
class QPushButton;
class QString;
class QVariant;

namespace rilo {
namespace widget {

class CheckButtonDialogPrivate
{
public:
    QButtonGroup *group = nullptr;          // holds every button; a child of the dialog
    QList<CheckButtonDialog::TParam> params; // one entry per button, in input order
};

namespace checkbutton {

// A checkable push button of at least 80 × 49 (the width times 0.618,
// truncated) carrying data in its "UserData" property. No parent.
QPushButton *make(const QString &text, const QVariant &data);

// Adds button number index to grid: with columns > 0 at row index / columns + 1
// (row 0 stays free) and column index % columns; with columns <= 0 in row 0,
// column index. No alignment flags.
void addToGrid(QGridLayout *grid, QPushButton *button, int index, int columns);

// Checks button and gives it keyboard focus, as the dialogs' setters do.
void checkAndFocus(QPushButton *button, bool checked);

} // namespace checkbutton

} // namespace widget
} // namespace rilo
