#include "rilowidgetcollection.h"

#include "rilowidgetplugin.h"
#include "widgeticons.h"

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

} // namespace

RiloWidgetCollection::RiloWidgetCollection(QObject *parent)
    : QObject(parent)
{
    const QList<RiloWidgetDescription> descriptions = {
        {QStringLiteral("rilo::widget::StateLabel"), QStringLiteral("stateLabel"),
         QStringLiteral("widget/statelabel.h"), tr("Text in state colours"),
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
         QStringLiteral("widget/statewidgetbox.h"), tr("A row of state widgets driven as one"),
         tr("Lines up state widgets added in code and passes state and colour changes on to all of them."),
         QSize(160, 40), createRendered<StateWidgetBox>, widgeticons::stateWidgetBox},
        {QStringLiteral("rilo::widget::measure::ValueWidget"), QStringLiteral("valueWidget"),
         QStringLiteral("widget/valuewidget.h"), tr("A measured value with its unit"),
         tr("Shows a value such as 0.000 with its unit such as V, in state colours."), QSize(120, 32),
         createRendered<measure::ValueWidget>, widgeticons::valueWidget},
        {QStringLiteral("rilo::widget::measure::PowerSupplyLCD"), QStringLiteral("powerSupplyLCD"),
         QStringLiteral("widget/powersupplylcd.h"), tr("The display panel of a power supply"),
         tr("Header captions, measurement rows and footer captions in one state-coloured panel."),
         QSize(200, 120), createRendered<measure::PowerSupplyLCD>, widgeticons::powerSupply},
    };
    for (const RiloWidgetDescription &description : descriptions)
        m_widgets.append(new RiloWidgetPlugin(description, this));
}

QList<QDesignerCustomWidgetInterface *> RiloWidgetCollection::customWidgets() const
{
    return m_widgets;
}
