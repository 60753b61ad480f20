// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Page "Parameter dialogs": buttons that open each dialog and show what the
// user chose, and two of the dialogs embedded live: an output switch bound to
// the simulated supply and a range-and-voltage form.
#include "gallerypage.h"
#include "simulatedsupply.h"

#include <widget/checkbuttondialog.h>
#include <widget/paramdialog.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

using rilo::widget::CheckButtonAndSpinBoxDialog;
using rilo::widget::CheckButtonDialog;
using rilo::widget::CheckButtonDialog_;
using rilo::widget::DialogButtonParam;
using rilo::widget::SpinBoxDialog;

namespace {

// The page's translation context.
struct DialogPage
{
    Q_DECLARE_TR_FUNCTIONS(DialogPage)
};

QLabel *makeResult(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QList<DialogButtonParam> rangeRecords()
{
    return {{QStringLiteral("6 V"), 6.0}, {QStringLiteral("30 V"), 30.0}, {QStringLiteral("60 V"), 60.0}};
}

} // namespace

QWidget *createDialogPage(const GalleryContext &context)
{
    SimulatedSupply *supply = context.supply;
    QWidget *window = context.window;
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    // Top: every dialog behind a button, with what the user chose.
    auto *openBox = new QGroupBox(DialogPage::tr("Open a dialog"), page);
    auto *grid = new QGridLayout(openBox);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(14);
    int row = 0;
    const auto addRow = [&](const QString &buttonText, const QString &resultText) {
        auto *button = new QPushButton(buttonText, openBox);
        auto *result = makeResult(resultText, openBox);
        grid->addWidget(button, row, 0, Qt::AlignTop);
        grid->addWidget(result, row, 1);
        ++row;
        return std::make_pair(button, result);
    };

    // CheckButtonDialog: independent measurement functions, reported click by click.
    auto functions = addRow(DialogPage::tr("Measurement functions…"), DialogPage::tr("Measuring: Voltage"));
    const auto chosenFunctions = std::make_shared<QStringList>(QStringList{DialogPage::tr("Voltage")});
    QObject::connect(functions.first, &QPushButton::clicked, page, [=]() {
        CheckButtonDialog dialog({{DialogPage::tr("Voltage"), QStringLiteral("VOLT")},
                                  {DialogPage::tr("Current"), QStringLiteral("CURR")},
                                  {DialogPage::tr("Power"), QStringLiteral("POW")},
                                  {DialogPage::tr("Resistance"), QStringLiteral("RES")}},
                                 2, window);
        dialog.setWindowTitle(DialogPage::tr("Measurement functions"));
        for (const QString &name : qAsConst(*chosenFunctions))
            dialog.setChecked(name, true);
        QObject::connect(
            &dialog, &CheckButtonDialog::buttonClicked, functions.second, [=](CheckButtonDialog::TParam &param) {
                const QString name = std::get<0>(param);
                if (std::get<2>(param)->isChecked())
                    chosenFunctions->append(name);
                else
                    chosenFunctions->removeAll(name);
                functions.second->setText(
                    chosenFunctions->isEmpty()
                        ? DialogPage::tr("Measuring nothing")
                        : DialogPage::tr("Measuring: %1").arg(chosenFunctions->join(QStringLiteral(", "))));
            });
        dialog.exec(); // the user closes the window when done
    });

    // CheckButtonDialog_: integration time, record-based, one click reported.
    auto aperture = addRow(DialogPage::tr("Integration time…"), DialogPage::tr("No integration time chosen yet"));
    QObject::connect(aperture.first, &QPushButton::clicked, page, [=]() {
        CheckButtonDialog_ dialog({{DialogPage::tr("0.1 PLC"), 0.1},
                                   {DialogPage::tr("1 PLC"), 1.0},
                                   {DialogPage::tr("10 PLC"), 10.0},
                                   {DialogPage::tr("100 PLC"), 100.0}},
                                  4, window);
        dialog.setWindowTitle(DialogPage::tr("Integration time"));
        QObject::connect(&dialog, &CheckButtonDialog_::buttonClicked, &dialog, [&dialog, aperture](QObject *button) {
            aperture.second->setText(
                DialogPage::tr("Integration time %1 power-line cycles").arg(button->property("UserData").toDouble()));
            dialog.accept();
        });
        dialog.exec();
    });

    // SpinBoxDialog: one number.
    auto limit = addRow(DialogPage::tr("Current limit…"), DialogPage::tr("Current limit: 1.50 A"));
    const auto limitValue = std::make_shared<double>(1.5);
    QObject::connect(limit.first, &QPushButton::clicked, page, [=]() {
        SpinBoxDialog dialog(window);
        dialog.setWindowTitle(DialogPage::tr("Current limit in A"));
        dialog.setValue(*limitValue);
        if (dialog.exec() == QDialog::Accepted) {
            *limitValue = dialog.value();
            limit.second->setText(DialogPage::tr("Current limit: %1 A").arg(*limitValue, 0, 'f', 2));
        }
    });

    // CheckButtonAndSpinBoxDialog: a range and a voltage together.
    auto range = addRow(DialogPage::tr("Range and voltage…"), DialogPage::tr("Range 30 V, output 12.00 V"));
    QObject::connect(range.first, &QPushButton::clicked, page, [=]() {
        QScopedPointer<CheckButtonAndSpinBoxDialog> dialog(
            CheckButtonAndSpinBoxDialog::makeInstance(rangeRecords(), 3, window));
        dialog->setWindowTitle(DialogPage::tr("Range and voltage"));
        dialog->setValueRange(0, 60);
        dialog->setSuffix(DialogPage::tr("V"));
        dialog->setValue(supply->setVoltage(0));
        dialog->setCheck(QVariant(30.0));
        if (dialog->exec() == QDialog::Accepted) {
            const QVariant chosen = dialog->checked();
            range.second->setText(
                chosen.isValid()
                    ? DialogPage::tr("Range %1 V, output %2 V").arg(chosen.toDouble()).arg(dialog->value(), 0, 'f', 2)
                    : DialogPage::tr("No range chosen, output %1 V").arg(dialog->value(), 0, 'f', 2));
        }
    });
    layout->addWidget(openBox);

    // Below: dialogs embedded as widgets (a dialog given Qt::Widget after
    // construction becomes an ordinary child widget).
    auto *right = new QHBoxLayout;
    auto *switchBox = new QGroupBox(DialogPage::tr("Output switch: a CheckButtonDialog embedded"), page);
    auto *switchLayout = new QVBoxLayout(switchBox);
    auto *outputs =
        new CheckButtonDialog({{DialogPage::tr("CH1 output"), 0}, {DialogPage::tr("CH2 output"), 1}}, 0, switchBox);
    outputs->setWindowFlags(Qt::Widget);
    switchLayout->addWidget(outputs);
    auto *switchNote = makeResult(
        DialogPage::tr("The buttons follow the simulated supply; clicking one switches its output."), switchBox);
    switchLayout->addWidget(switchNote);
    QObject::connect(outputs, &CheckButtonDialog::buttonClicked, supply, [supply](CheckButtonDialog::TParam &param) {
        supply->setOutputOn(std::get<1>(param).toInt(), std::get<2>(param)->isChecked());
    });
    const QList<QPushButton *> outputButtons = outputs->findChildren<QPushButton *>();
    const auto syncOutputs = [outputButtons, supply]() {
        for (int ch = 0; ch < SimulatedSupply::kChannels && ch < outputButtons.size(); ++ch)
            outputButtons.at(ch)->setChecked(supply->isOutputOn(ch));
    };
    QObject::connect(supply, &SimulatedSupply::updated, outputs, syncOutputs);
    syncOutputs();
    switchLayout->addStretch(1);
    right->addWidget(switchBox, 1);

    auto *formBox = new QGroupBox(DialogPage::tr("Range and voltage: a CheckButtonAndSpinBoxDialog embedded"), page);
    auto *formLayout = new QVBoxLayout(formBox);
    CheckButtonAndSpinBoxDialog *form = CheckButtonAndSpinBoxDialog::makeInstance(rangeRecords(), 3, formBox);
    form->setWindowFlags(Qt::Widget);
    form->setValueRange(0, 60);
    form->setSuffix(DialogPage::tr("V"));
    form->setValue(12.0);
    form->setCheck(QVariant(30.0));
    formLayout->addWidget(form);
    auto *applied = makeResult(DialogPage::tr("Press OK to apply."), formBox);
    formLayout->addWidget(applied);
    QObject::connect(form, &QDialog::accepted, applied, [form, applied]() {
        applied->setText(DialogPage::tr("Applied: range %1 V, output %2 V")
                             .arg(form->checked().toDouble())
                             .arg(form->value(), 0, 'f', 2));
        form->show(); // accepting hides a dialog; this one lives in the page
    });
    right->addWidget(formBox, 1);
    layout->addLayout(right);
    layout->addStretch(1);
    return page;
}
