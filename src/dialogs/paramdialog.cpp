// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/paramdialog.h>

#include "checkbuttondialog_p.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace rilo {
namespace widget {

namespace {

const char kUserData[] = "UserData";

// Buttons the host deleted are passed over.
QPushButton *findByText(const QList<QPointer<QPushButton>> &buttons, const QString &text)
{
    for (QPushButton *button : buttons) {
        if (button && button->text() == text)
            return button;
    }
    return nullptr;
}

QPushButton *findByValue(const QList<QPointer<QPushButton>> &buttons, const QVariant &value)
{
    for (QPushButton *button : buttons) {
        if (button && button->property(kUserData) == value)
            return button;
    }
    return nullptr;
}

// A value a spin box can show: NaN is none (QDoubleSpinBox would keep it).
bool isNumber(double value)
{
    return !qIsNaN(value);
}

void check(QPushButton *button)
{
    if (button)
        checkbutton::checkAndFocus(button, true);
}

} // namespace

// ---------------------------------------------------------------------------
// CheckButtonDialog_

CheckButtonDialog_::CheckButtonDialog_(const QList<DialogButtonParam> &params, int columns, QWidget *parent,
                                       const Qt::WindowFlags &flags)
    : QDialog(parent, flags)
{
    auto *group = new QButtonGroup(this);
    group->setExclusive(false);
    auto *grid = new QGridLayout;
    for (int i = 0; i < params.size(); ++i) {
        QPushButton *button = checkbutton::make(params.at(i).text, params.at(i).data);
        checkbutton::addToGroup(group, button, i);
        checkbutton::addToGrid(grid, button, i, columns);
        connect(button, &QPushButton::clicked, this, &CheckButtonDialog_::sltButtonClicked);
        buttons.append(button);
    }
    setLayout(grid); // makes the buttons the dialog's children, in the order of the grid
}

CheckButtonDialog_::~CheckButtonDialog_() = default;

void CheckButtonDialog_::setCheck(const QString &text)
{
    check(findByText(buttons, text));
}

void CheckButtonDialog_::setCheck(const QVariant &value)
{
    check(findByValue(buttons, value));
}

QPushButton *CheckButtonDialog_::makeButton(const QString &text, const QVariant &data)
{
    return checkbutton::make(text, data);
}

void CheckButtonDialog_::sltButtonClicked()
{
    emit buttonClicked(sender());
}

// ---------------------------------------------------------------------------
// SpinBoxDialog

SpinBoxDialog::SpinBoxDialog(QWidget *parent, const Qt::WindowFlags &flags)
    : QDialog(parent, flags)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *inner = new QGridLayout;
    valueLabel = new QLabel(this);
    spinBox = new QDoubleSpinBox(this);
    valueLabel->setBuddy(spinBox);
    inner->addWidget(valueLabel, 0, 0);
    inner->addWidget(spinBox, 0, 1);

    okButton = new QPushButton(this);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();

    auto *outer = new QGridLayout;
    outer->addLayout(inner, 0, 0);
    outer->addWidget(okButton, 1, 0, 1, 1, Qt::AlignRight | Qt::AlignVCenter);
    setLayout(outer);
}

SpinBoxDialog::~SpinBoxDialog() = default;

double SpinBoxDialog::value() const
{
    return spinBox ? spinBox->value() : 0.0;
}

void SpinBoxDialog::setValue(double value)
{
    if (spinBox && isNumber(value))
        spinBox->setValue(value);
}

void SpinBoxDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void SpinBoxDialog::retranslate()
{
    if (valueLabel)
        valueLabel->setText(tr("Value"));
    if (okButton)
        okButton->setText(tr("OK"));
}

// ---------------------------------------------------------------------------
// CheckButtonAndSpinBoxDialog

CheckButtonAndSpinBoxDialog *CheckButtonAndSpinBoxDialog::makeInstance(const QList<DialogButtonParam> &params,
                                                                       int columns, QWidget *parent)
{
    auto *dialog = new CheckButtonAndSpinBoxDialog(parent);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *group = new QButtonGroup(dialog);
    group->setExclusive(true);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    const int n = params.size();
    for (int i = 0; i < n; ++i) {
        QPushButton *button = checkbutton::make(params.at(i).text, params.at(i).data);
        button->setParent(dialog);
        checkbutton::addToGroup(group, button, i);
        checkbutton::addToGrid(grid, button, i, columns);
        dialog->buttons.append(button);
    }

    dialog->spinBox = new QDoubleSpinBox(dialog);
    dialog->suffixLabel = new QLabel(dialog);
    auto *valueRow = new QGridLayout;
    valueRow->setContentsMargins(0, 0, 0, 0);
    valueRow->addWidget(dialog->spinBox, 0, 0);
    valueRow->addWidget(dialog->suffixLabel, 0, 1);

    dialog->okButton = new QPushButton(tr("OK"), dialog);
    connect(dialog->okButton, &QPushButton::clicked, dialog, &QDialog::accept);

    // The rows count from the number of records, not of button rows: with
    // several columns the rows in between stay empty and take no space.
    grid->addLayout(valueRow, n + 1, 0, 1, 2, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(dialog->okButton, n + 2, 0, 1, 2, Qt::AlignRight | Qt::AlignVCenter);
    dialog->setLayout(grid);
    return dialog;
}

CheckButtonAndSpinBoxDialog::CheckButtonAndSpinBoxDialog(QWidget *parent, const Qt::WindowFlags &flags)
    : QDialog(parent, flags)
{
}

CheckButtonAndSpinBoxDialog::~CheckButtonAndSpinBoxDialog() = default;

QPushButton *CheckButtonAndSpinBoxDialog::makeButton(const QString &text, const QVariant &data)
{
    return checkbutton::make(text, data);
}

QVariant CheckButtonAndSpinBoxDialog::checked() const
{
    for (QPushButton *button : buttons) {
        if (button && button->isChecked())
            return button->property(kUserData);
    }
    return QVariant();
}

void CheckButtonAndSpinBoxDialog::setCheck(const QString &text)
{
    check(findByText(buttons, text));
}

void CheckButtonAndSpinBoxDialog::setCheck(const QVariant &value)
{
    check(findByValue(buttons, value));
}

double CheckButtonAndSpinBoxDialog::value() const
{
    return spinBox ? spinBox->value() : 0.0;
}

void CheckButtonAndSpinBoxDialog::setValue(double value)
{
    if (spinBox && isNumber(value))
        spinBox->setValue(value);
}

void CheckButtonAndSpinBoxDialog::setValueRange(double minimum, double maximum)
{
    if (spinBox && isNumber(minimum) && isNumber(maximum))
        spinBox->setRange(minimum, maximum);
}

void CheckButtonAndSpinBoxDialog::setSuffix(const QString &suffix)
{
    if (suffixLabel)
        suffixLabel->setText(suffix);
}

void CheckButtonAndSpinBoxDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && okButton)
        okButton->setText(tr("OK"));
    QDialog::changeEvent(event);
}

} // namespace widget
} // namespace rilo
