#include <widget/valuewidget.h>

#include <widget/statelabel.h>

#include "valuewidgetprivate.h"

namespace rilo {
namespace widget {
namespace measure {

ValueWidget::ValueWidget(QWidget *parent, Qt::WindowFlags flags)
    : StateWidgetBox(QBoxLayout::LeftToRight, parent, flags)
    , d(new ValueWidgetPrivate)
{
    setBorderWidth(0);
    d->valueWidget = new StateLabel(QStringLiteral("0.000"), 9, Qt::AlignRight | Qt::AlignVCenter, nullptr,
                                    Qt::WindowFlags());
    d->unitWidget = new StateLabel(QStringLiteral("V"), 9, Qt::AlignLeft | Qt::AlignBottom, nullptr,
                                   Qt::WindowFlags());
    add(d->valueWidget);
    add(d->unitWidget);
    setStretch(0, 5);
    setStretch(1, 1);
}

ValueWidget::~ValueWidget()
{
    delete d;
}

StateLabel *ValueWidget::valueWidget() const
{
    return d->valueWidget;
}

StateLabel *ValueWidget::unitWidget() const
{
    return d->unitWidget;
}

QString ValueWidget::value() const
{
    return d->valueWidget->text();
}

void ValueWidget::setValue(const QString &value)
{
    d->valueWidget->setText(value);
}

QString ValueWidget::unit() const
{
    return d->unitWidget->text();
}

void ValueWidget::setUnit(const QString &unit)
{
    d->unitWidget->setText(unit);
}

} // namespace measure
} // namespace widget
} // namespace rilo
