// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file valuewidget.h
 * A measured value with its unit, in state colours.
 */
#pragma once

#include <widget/statewidgetbox.h>

#include <memory>

namespace rilo {
namespace widget {

class StateLabel;

namespace measure {

class ValueWidgetPrivate;

/*!
 * \brief One measured value with its unit, such as "0.000" and "V".
 *
 * Two state labels side by side in a left-to-right StateWidgetBox: the value
 * (right-aligned, stretch 5) and the unit (left-aligned at the bottom,
 * stretch 1). The host sets both as ready-made texts; nothing is parsed or
 * formatted. State and colour calls reach the box and both labels.
 *
 * For assistive technology the widget's accessible name reads value and unit
 * together ("12.000 V") and follows every change, unless the host has set an
 * accessibleName() of its own. The name is put together when an assistive
 * technology asks: the first ValueWidget constructed installs the readouts'
 * accessible interface factory (QAccessible::installFactory(), which keeps it
 * once), and a change is announced only while accessibility is active.
 *
 * Both labels belong to the box and can be reached by the host: once one has
 * been deleted or taken out of the box, its accessor returns null, its text
 * reads as empty and setting it does nothing.
 */
class RILO_WIDGET_EXPORT ValueWidget : public StateWidgetBox
{
    Q_OBJECT

public:
    /*! Creates a readout showing "0.000" and "V". Not rendered until the first render(). */
    explicit ValueWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~ValueWidget() override;

    /*! The label that shows the value, owned by the box; null once deleted or taken away. */
    StateLabel *valueWidget() const;
    /*! The label that shows the unit, owned by the box; null once deleted or taken away. */
    StateLabel *unitWidget() const;

    /*! The value text. */
    QString value() const;
    /*! Sets the value text as given. */
    void setValue(const QString &value);
    /*! The unit text. */
    QString unit() const;
    /*! Sets the unit text as given. */
    void setUnit(const QString &unit);

private:
    Q_DISABLE_COPY(ValueWidget)
    const std::unique_ptr<ValueWidgetPrivate> d;
};

} // namespace measure
} // namespace widget
} // namespace rilo
