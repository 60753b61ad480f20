// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "rilowidgetcollection.h"

#include "rilowidgetplugin.h"
#include "widgeticons.h"

#include <widget/ccheckbox.h>
#include <widget/ccombobox.h>
#include <widget/flagpanel.h>
#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/statewidgetbox.h>
#include <widget/valuewidget.h>

using namespace rilo::widget;

namespace {

// Every widget is created through its parent-only constructor, the one that
// uic-generated code calls, and rendered once so that the form shows the
// state colours the running application will show.
template <typename Widget>
QWidget *createRendered(QWidget *parent)
{
    auto *widget = new Widget(parent);
    widget->render();
    return widget;
}

// Designer shows the instance createWidget() returns, in the form and in its
// preview; the generated code of a form (uic) calls the parent-only
// constructor and nothing else. So the instances below stay what the running
// application gets, with one exception: an empty flag panel is a bare line
// that tells the form's author nothing about its size, so the preview panels
// carry a title and three example flags. At run time the host fills them.
QWidget *createTextFlags(QWidget *parent)
{
    auto *panel = new FlagPanelText(parent);
    panel->setTitle(RiloWidgetCollection::tr("Flags"));
    panel->setFlag(QStringLiteral("A"), 0);
    panel->setFlag(QStringLiteral("B"), 1);
    panel->setFlag(QStringLiteral("C"), 2);
    return panel;
}

QWidget *createStateFlags(QWidget *parent)
{
    auto *panel = new FlagPanelState(parent);
    panel->setTitle(RiloWidgetCollection::tr("Lamps"));
    panel->setFlag(true, 0);
    panel->setFlag(false, 1);
    panel->setFlag(true, 2);
    return panel;
}

template <typename Widget>
QWidget *createPlain(QWidget *parent)
{
    return new Widget(parent);
}

} // namespace

RiloWidgetCollection::RiloWidgetCollection(QObject *parent)
    : QObject(parent)
{
    const QList<RiloWidgetDescription> descriptions = {
        {QStringLiteral("rilo::widget::StateLabel"), QStringLiteral("stateLabel"),
         QStringLiteral("widget/statelabel.h"), QStringLiteral("QWidget"), tr("Text in state colours"),
         tr("A label whose background and text follow the enabled flag, framed by a ring that follows the "
            "active flag."),
         QSize(100, 24),
         [](QWidget *parent) {
             auto *label = new StateLabel(parent);
             label->setText(tr("Label"));
             label->render();
             return label;
         },
         widgeticons::stateLabel},
        {QStringLiteral("rilo::widget::StateWidgetBox"), QStringLiteral("stateWidgetBox"),
         QStringLiteral("widget/statewidgetbox.h"), QStringLiteral("QWidget"),
         tr("A row of state widgets driven as one"),
         tr("Lines up state widgets added in code and passes state and colour changes on to all of them."),
         QSize(160, 40), createRendered<StateWidgetBox>, widgeticons::stateWidgetBox},
        {QStringLiteral("rilo::widget::measure::ValueWidget"), QStringLiteral("valueWidget"),
         QStringLiteral("widget/valuewidget.h"), QStringLiteral("QWidget"), tr("A measured value with its unit"),
         tr("Shows a value such as 0.000 with its unit such as V, in state colours."), QSize(120, 32),
         createRendered<measure::ValueWidget>, widgeticons::valueWidget},
        {QStringLiteral("rilo::widget::measure::PowerSupplyLCD"), QStringLiteral("powerSupplyLCD"),
         QStringLiteral("widget/powersupplylcd.h"), QStringLiteral("QWidget"),
         tr("The display panel of a power supply"),
         tr("Header captions, measurement rows and footer captions in one state-coloured panel."), QSize(200, 120),
         createRendered<measure::PowerSupplyLCD>, widgeticons::powerSupply},
        {QStringLiteral("rilo::widget::FlagPanelText"), QStringLiteral("flagPanelText"),
         QStringLiteral("widget/flagpanel.h"), QStringLiteral("QFrame"), tr("A titled row of text flags"),
         tr("A framed strip with a centred title, an orange split line and a row of text flags that the "
            "application sets by index with setFlag(). The title and the flags A, B, C are examples shown "
            "only in the form; the application sets its own."),
         QSize(120, 60), createTextFlags, widgeticons::flagPanelText},
        {QStringLiteral("rilo::widget::FlagPanelState"), QStringLiteral("flagPanelState"),
         QStringLiteral("widget/flagpanel.h"), QStringLiteral("QFrame"), tr("A titled row of on/off lamps"),
         tr("A framed strip with a centred title, an orange split line and a row of lamps, green for on and "
            "grey for off, that the application sets by index with setFlag(). The title and the three lamps "
            "are examples shown only in the form; the application sets its own."),
         QSize(120, 60), createStateFlags, widgeticons::flagPanelState},
        {QStringLiteral("rilo::widget::CCheckbox"), QStringLiteral("cCheckbox"), QStringLiteral("widget/ccheckbox.h"),
         QStringLiteral("QComboBox"), tr("An on/off selector"),
         tr("A drop-down list with the two entries ON and OFF that emits toggled(bool) on every change. "
            "Rename the entries in code with setCheckedText() and setUnCheckedText(); do not add items in "
            "the form, as the selector owns its two entries."),
         QSize(80, 24), createPlain<CCheckbox>, widgeticons::onOffSelector},
        {QStringLiteral("rilo::widget::CComboBox"), QStringLiteral("cComboBox"), QStringLiteral("widget/ccombobox.h"),
         QStringLiteral("QComboBox"), tr("A combo box that collects dropped files"),
         tr("Files dragged onto it become entries at the top of its list, newest selected, without "
            "duplicates and up to a bound (10 by default); the accepted suffixes can be restricted."),
         QSize(200, 24), createPlain<CComboBox>, widgeticons::fileDropComboBox},
    };
    for (const RiloWidgetDescription &description : descriptions)
        m_widgets.append(new RiloWidgetPlugin(description, this));
}

QList<QDesignerCustomWidgetInterface *> RiloWidgetCollection::customWidgets() const
{
    return m_widgets;
}
