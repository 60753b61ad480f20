// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Page "Readouts": a power-supply panel of the simulated two-channel supply,
// with controls for the state flags and the colour pairs.
#include "gallerypage.h"
#include "simulatedsupply.h"

#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/statewidgetbox.h>
#include <widget/valuewidget.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using rilo::widget::AbstractStateWidget;
using rilo::widget::StateLabel;
using rilo::widget::StateWidgetBox;
using rilo::widget::measure::PowerSupplyLCD;

namespace {

// The page's translation context.
struct ReadoutPage
{
    Q_DECLARE_TR_FUNCTIONS(ReadoutPage)
};

struct Scheme
{
    const char *name;
    QColor activeOn, activeOff, enabledOn, enabledOff, text;
};

const Scheme kSchemes[] = {
    {QT_TRANSLATE_NOOP("ReadoutPage", "Default"), QColor(0xFF, 0x7A, 0x00), QColor(0x35, 0x35, 0x38),
     QColor(0x35, 0x35, 0x38), QColor(0x35, 0x35, 0x38), Qt::white},
    {QT_TRANSLATE_NOOP("ReadoutPage", "Bench green"), QColor(0x2E, 0xCC, 0x71), QColor(0x1B, 0x26, 0x31),
     QColor(0x0B, 0x3D, 0x2E), QColor(0x1B, 0x26, 0x31), QColor(0xB8, 0xF5, 0xD0)},
    {QT_TRANSLATE_NOOP("ReadoutPage", "Paper"), QColor(0x1F, 0x6F, 0xEB), QColor(0xD0, 0xD4, 0xDA),
     QColor(0xFF, 0xFF, 0xFF), QColor(0xEC, 0xEE, 0xF1), QColor(0x20, 0x24, 0x2A)},
};

void applyScheme(AbstractStateWidget *widget, const Scheme &s)
{
    widget->setColor(AbstractStateWidget::kActive, {s.activeOn, s.text}, true);
    widget->setColor(AbstractStateWidget::kActive, {s.activeOff, s.text}, false);
    widget->setColor(AbstractStateWidget::kEnabled, {s.enabledOn, s.text}, true);
    widget->setColor(AbstractStateWidget::kEnabled, {s.enabledOff, s.text}, false);
}

} // namespace

QWidget *createReadoutPage(const GalleryContext &context)
{
    SimulatedSupply *supply = context.supply;
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);

    // Two header captions per channel, two measurements per channel, a footer
    // caption per channel for the output state.
    auto *panel = new PowerSupplyLCD(4, 4, 2, page);
    panel->setMinimumWidth(360);
    const QStringList headers{ReadoutPage::tr("CH1"), ReadoutPage::tr("CV"), ReadoutPage::tr("CH2"),
                              ReadoutPage::tr("CV")};
    for (int i = 0; i < headers.size(); ++i)
        panel->headerWidget(i)->setText(headers.at(i));
    for (int i = 0; i < 4; ++i) {
        panel->setUnit(i, i % 2 == 0 ? QStringLiteral("V") : QStringLiteral("A"));
        panel->measureWidget(i)->valueWidget()->setPointSize(20);
    }
    panel->render(); // show the state colours from the start

    const auto refresh = [panel, supply]() {
        for (int ch = 0; ch < SimulatedSupply::kChannels; ++ch) {
            panel->setValue(2 * ch, QString::number(supply->voltage(ch), 'f', 3));
            panel->setValue(2 * ch + 1, QString::number(supply->current(ch), 'f', 3));
            panel->headerWidget(2 * ch + 1)
                ->setText(supply->isCurrentLimited(ch) ? ReadoutPage::tr("CC") : ReadoutPage::tr("CV"));
            panel->footerWidget(ch)->setText(supply->isOutputOn(ch) ? ReadoutPage::tr("OUTPUT ON")
                                                                    : ReadoutPage::tr("OUTPUT OFF"));
            // The measurement rows of a channel light up while its output is on.
            panel->measureWidget(2 * ch)->setState(AbstractStateWidget::kEnabled, supply->isOutputOn(ch));
            panel->measureWidget(2 * ch + 1)->setState(AbstractStateWidget::kEnabled, supply->isOutputOn(ch));
        }
    };
    QObject::connect(supply, &SimulatedSupply::updated, panel, refresh);
    refresh();

    // A row of status lamps: state labels with a ring that lights while
    // their condition holds, driven as one box for colours.
    auto *status = new StateWidgetBox(QBoxLayout::LeftToRight, page);
    status->setSpacing(6);
    QList<StateLabel *> lamps;
    for (int ch = 0; ch < SimulatedSupply::kChannels; ++ch) {
        for (const QString &text : {ReadoutPage::tr("OUT %1").arg(ch + 1), ReadoutPage::tr("CC %1").arg(ch + 1)}) {
            auto *lamp = new StateLabel(text, 10, Qt::AlignCenter);
            lamp->setBorderWidth(2);
            status->add(lamp);
            lamps.append(lamp);
        }
    }
    auto *remote = new StateLabel(ReadoutPage::tr("REMOTE"), 10, Qt::AlignCenter);
    remote->setBorderWidth(2);
    status->add(remote);
    status->render();
    remote->setState(AbstractStateWidget::kActive, true);
    const auto refreshLamps = [lamps, supply]() {
        for (int ch = 0; ch < SimulatedSupply::kChannels; ++ch) {
            lamps.at(2 * ch)->setState(AbstractStateWidget::kActive, supply->isOutputOn(ch));
            lamps.at(2 * ch + 1)->setState(AbstractStateWidget::kActive, supply->isCurrentLimited(ch));
        }
    };
    QObject::connect(supply, &SimulatedSupply::updated, status, refreshLamps);
    refreshLamps();

    // The set points, in small panels of their own colours (the "Paper"
    // scheme), to show that every panel keeps its own colour pairs.
    auto *setPoints = new QHBoxLayout;
    for (int ch = 0; ch < SimulatedSupply::kChannels; ++ch) {
        auto *small = new PowerSupplyLCD(1, 2, 0, page);
        small->headerWidget(0)->setText(ReadoutPage::tr("CH%1 SET").arg(ch + 1));
        small->setValue(0, QString::number(supply->setVoltage(ch), 'f', 3));
        small->setValue(1, QString::number(supply->setCurrent(ch), 'f', 3));
        small->setUnit(1, QStringLiteral("A"));
        for (int row = 0; row < 2; ++row)
            small->measureWidget(row)->valueWidget()->setPointSize(14);
        applyScheme(small, kSchemes[2]);
        small->setState(AbstractStateWidget::kEnabled, true);
        setPoints->addWidget(small);
    }

    auto *left = new QVBoxLayout;
    left->addWidget(panel);
    left->addWidget(status);
    left->addLayout(setPoints);
    left->addStretch(1);
    layout->addLayout(left, 1);

    // Controls.
    auto *controls = new QVBoxLayout;
    auto *stateBox = new QGroupBox(ReadoutPage::tr("Panel state"), page);
    auto *stateForm = new QVBoxLayout(stateBox);
    auto *active = new QCheckBox(ReadoutPage::tr("Active (ring and captions)"), stateBox);
    auto *enabled = new QCheckBox(ReadoutPage::tr("Enabled (whole panel)"), stateBox);
    stateForm->addWidget(active);
    stateForm->addWidget(enabled);
    QObject::connect(active, &QCheckBox::toggled, panel,
                     [panel](bool on) { panel->setState(AbstractStateWidget::kActive, on); });
    QObject::connect(enabled, &QCheckBox::toggled, panel,
                     [panel](bool on) { panel->setState(AbstractStateWidget::kEnabled, on); });
    active->setChecked(true);
    controls->addWidget(stateBox);

    auto *outputBox = new QGroupBox(ReadoutPage::tr("Simulated supply"), page);
    auto *outputForm = new QVBoxLayout(outputBox);
    for (int ch = 0; ch < SimulatedSupply::kChannels; ++ch) {
        auto *output = new QCheckBox(ReadoutPage::tr("Output CH%1").arg(ch + 1), outputBox);
        output->setChecked(supply->isOutputOn(ch));
        QObject::connect(output, &QCheckBox::toggled, supply, [supply, ch](bool on) { supply->setOutputOn(ch, on); });
        outputForm->addWidget(output);
    }
    controls->addWidget(outputBox);

    auto *colorBox = new QGroupBox(ReadoutPage::tr("Colour pairs"), page);
    auto *colorForm = new QFormLayout(colorBox);
    auto *schemes = new QComboBox(colorBox);
    for (const Scheme &s : kSchemes)
        schemes->addItem(ReadoutPage::tr(s.name));
    QObject::connect(schemes, QOverload<int>::of(&QComboBox::currentIndexChanged), panel, [panel, status](int index) {
        applyScheme(panel, kSchemes[qBound(0, index, 2)]);
        applyScheme(status, kSchemes[qBound(0, index, 2)]);
    });
    colorForm->addRow(ReadoutPage::tr("Scheme"), schemes);

    const auto addPicker = [&](const QString &label, AbstractStateWidget::State state, bool on) {
        auto *button = new QPushButton(ReadoutPage::tr("Choose…"), colorBox);
        QObject::connect(button, &QPushButton::clicked, panel, [panel, state, on, label]() {
            const auto pair = panel->color(state, on);
            const QColor background = QColorDialog::getColor(pair.first, panel, label);
            if (background.isValid())
                panel->setColor(state, {background, pair.second}, on);
        });
        colorForm->addRow(label, button);
    };
    addPicker(ReadoutPage::tr("Active on"), AbstractStateWidget::kActive, true);
    addPicker(ReadoutPage::tr("Active off"), AbstractStateWidget::kActive, false);
    addPicker(ReadoutPage::tr("Enabled on"), AbstractStateWidget::kEnabled, true);
    addPicker(ReadoutPage::tr("Enabled off"), AbstractStateWidget::kEnabled, false);
    controls->addWidget(colorBox);
    controls->addStretch(1);
    layout->addLayout(controls);
    return page;
}
