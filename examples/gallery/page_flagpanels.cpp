// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Page "Flag panels": text flags and lamps driven by the simulated supply.
// Clicking a channel's panel switches that channel's output.
#include "gallerypage.h"
#include "simulatedsupply.h"

#include <widget/flagpanel.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using rilo::widget::FlagPanel;
using rilo::widget::FlagPanelState;
using rilo::widget::FlagPanelText;

namespace {

// The page's translation context.
struct FlagPanelPage
{
    Q_DECLARE_TR_FUNCTIONS(FlagPanelPage)
};

struct LampColour
{
    const char *name;
    QColor color;
};

const LampColour kLampColours[] = {
    {QT_TRANSLATE_NOOP("FlagPanelPage", "Green (default)"), QColor(0, 212, 0)},
    {QT_TRANSLATE_NOOP("FlagPanelPage", "Amber"), QColor(0xFF, 0xA8, 0x00)},
    {QT_TRANSLATE_NOOP("FlagPanelPage", "Blue"), QColor(0x1F, 0x6F, 0xEB)},
};

FlagPanelState *makeLamps(const QString &title, QWidget *parent)
{
    auto *lamps = new FlagPanelState(parent);
    lamps->setTitle(title);
    lamps->setMinimumHeight(84);
    return lamps;
}

} // namespace

QWidget *createFlagPanelPage(const GalleryContext &context)
{
    SimulatedSupply *supply = context.supply;
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    auto *intro = new QLabel(FlagPanelPage::tr("Flag panels showing the simulated two-channel supply. "
                                               "Click a channel's panel to switch its output; click the "
                                               "Output lamps to switch both."),
                             page);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    // One text panel per channel: voltage, current, regulation mode, output.
    auto *channelRow = new QHBoxLayout;
    QList<FlagPanelText *> channels;
    const QColor lineColours[] = {QColor(0xFF, 0x74, 0x00), QColor(0x1F, 0x6F, 0xEB)};
    for (int ch = 0; ch < SimulatedSupply::kChannels; ++ch) {
        auto *panel = new FlagPanelText(page);
        QFont font = panel->font();
        font.setPixelSize(17);
        panel->setFont(font);
        panel->setTitle(FlagPanelPage::tr("CH%1").arg(ch + 1));
        panel->setSplitLineColor(lineColours[ch]);
        panel->setMinimumHeight(86);
        panel->setCursor(Qt::PointingHandCursor);
        panel->setToolTip(FlagPanelPage::tr("Click to switch the output of CH%1").arg(ch + 1));
        QObject::connect(panel, &FlagPanel::clicked, supply,
                         [supply, ch]() { supply->setOutputOn(ch, !supply->isOutputOn(ch)); });
        channelRow->addWidget(panel);
        channels.append(panel);
    }
    layout->addLayout(channelRow);

    // Set points and power, one flag per channel.
    auto *setRow = new QHBoxLayout;
    auto *setVoltage = new FlagPanelText(page);
    setVoltage->setTitle(FlagPanelPage::tr("Voltage set point"));
    auto *setCurrent = new FlagPanelText(page);
    setCurrent->setTitle(FlagPanelPage::tr("Current limit"));
    auto *power = new FlagPanelText(page);
    power->setTitle(FlagPanelPage::tr("Output power"));
    const QList<FlagPanelText *> setPanels{setVoltage, setCurrent, power};
    for (FlagPanelText *panel : setPanels) {
        panel->setMinimumHeight(72);
        setRow->addWidget(panel);
    }
    layout->addLayout(setRow);

    // Lamps: one column per channel, with a text panel as the legend.
    auto *lampRow = new QHBoxLayout;
    auto *legend = new FlagPanelText(page);
    legend->setTitle(FlagPanelPage::tr("Channel"));
    legend->setMinimumHeight(84);
    legend->setFlag(FlagPanelPage::tr("CH1"), 0);
    legend->setFlag(FlagPanelPage::tr("CH2"), 1);
    auto *output = makeLamps(FlagPanelPage::tr("Output"), page);
    auto *cv = makeLamps(FlagPanelPage::tr("Constant voltage"), page);
    auto *cc = makeLamps(FlagPanelPage::tr("Constant current"), page);
    output->setCursor(Qt::PointingHandCursor);
    QObject::connect(output, &FlagPanel::clicked, supply, [supply]() {
        const bool anyOn = supply->isOutputOn(0) || supply->isOutputOn(1);
        for (int ch = 0; ch < SimulatedSupply::kChannels; ++ch)
            supply->setOutputOn(ch, !anyOn);
    });
    for (FlagPanel *panel : {static_cast<FlagPanel *>(legend), static_cast<FlagPanel *>(output),
                             static_cast<FlagPanel *>(cv), static_cast<FlagPanel *>(cc)})
        lampRow->addWidget(panel);
    layout->addLayout(lampRow);

    // Controls.
    auto *controls = new QGroupBox(FlagPanelPage::tr("Panel settings"), page);
    auto *form = new QFormLayout(controls);
    auto *colours = new QComboBox(controls);
    for (const LampColour &c : kLampColours)
        colours->addItem(FlagPanelPage::tr(c.name));
    form->addRow(FlagPanelPage::tr("Lamp colour when on"), colours);
    auto *blank = new QCheckBox(FlagPanelPage::tr("Blank every flag and hold the display"), controls);
    form->addRow(FlagPanelPage::tr("Display"), blank);
    auto *last = new QLabel(FlagPanelPage::tr("No panel clicked yet."), controls);
    form->addRow(FlagPanelPage::tr("Last click"), last);
    layout->addWidget(controls);
    layout->addStretch(1);

    const QList<FlagPanelState *> lampPanels{output, cv, cc};
    QObject::connect(colours, QOverload<int>::of(&QComboBox::currentIndexChanged), page, [lampPanels](int index) {
        // New colours reach a lamp with its next value, a moment later.
        for (FlagPanelState *lamps : lampPanels)
            lamps->setEnableColor(kLampColours[qBound(0, index, 2)].color);
    });

    const auto refresh = [=]() {
        if (blank->isChecked())
            return;
        for (int ch = 0; ch < SimulatedSupply::kChannels; ++ch) {
            const bool on = supply->isOutputOn(ch);
            const bool limited = supply->isCurrentLimited(ch);
            FlagPanelText *panel = channels.at(ch);
            panel->setFlag(FlagPanelPage::tr("%1 V").arg(supply->voltage(ch), 0, 'f', 3), 0);
            panel->setFlag(FlagPanelPage::tr("%1 A").arg(supply->current(ch), 0, 'f', 3), 1);
            panel->setFlag(on ? (limited ? FlagPanelPage::tr("CC") : FlagPanelPage::tr("CV")) : FlagPanelPage::tr("—"),
                           2);
            panel->setFlag(on ? FlagPanelPage::tr("ON") : FlagPanelPage::tr("OFF"), 3);
            setVoltage->setFlag(FlagPanelPage::tr("%1 V").arg(supply->setVoltage(ch), 0, 'f', 3), ch);
            setCurrent->setFlag(FlagPanelPage::tr("%1 A").arg(supply->setCurrent(ch), 0, 'f', 3), ch);
            power->setFlag(FlagPanelPage::tr("%1 W").arg(supply->voltage(ch) * supply->current(ch), 0, 'f', 2), ch);
            output->setFlag(on, ch);
            cv->setFlag(on && !limited, ch);
            cc->setFlag(limited, ch);
        }
    };
    QObject::connect(supply, &SimulatedSupply::updated, page, refresh);
    QObject::connect(blank, &QCheckBox::toggled, page, [=](bool blanked) {
        if (blanked) {
            for (FlagPanel *panel :
                 {static_cast<FlagPanel *>(channels.at(0)), static_cast<FlagPanel *>(channels.at(1)),
                  static_cast<FlagPanel *>(legend), static_cast<FlagPanel *>(output), static_cast<FlagPanel *>(cv),
                  static_cast<FlagPanel *>(cc), static_cast<FlagPanel *>(setVoltage),
                  static_cast<FlagPanel *>(setCurrent), static_cast<FlagPanel *>(power)})
                panel->clearFlags();
        } else {
            legend->setFlag(FlagPanelPage::tr("CH1"), 0);
            legend->setFlag(FlagPanelPage::tr("CH2"), 1);
            refresh();
        }
    });
    for (int ch = 0; ch < SimulatedSupply::kChannels; ++ch) {
        QObject::connect(channels.at(ch), &FlagPanel::clicked, last, [last, supply, ch]() {
            last->setText(FlagPanelPage::tr("CH%1 panel: output switched %2")
                              .arg(ch + 1)
                              .arg(supply->isOutputOn(ch) ? FlagPanelPage::tr("on") : FlagPanelPage::tr("off")));
        });
    }
    QObject::connect(output, &FlagPanel::clicked, last, [last, supply]() {
        last->setText(FlagPanelPage::tr("Output lamps: both outputs switched %1")
                          .arg(supply->isOutputOn(0) ? FlagPanelPage::tr("on") : FlagPanelPage::tr("off")));
    });
    refresh();
    return page;
}
