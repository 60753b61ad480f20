// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file powersupplylcd.h
 * The display panel of a power supply: captions and measurement rows.
 */
#pragma once

#include <widget/statewidgetbox.h>

#include <memory>

namespace rilo {
namespace widget {

class StateLabel;

namespace measure {

class PowerSupplyLCDPrivate;
class ValueWidget;

/*!
 * \brief A power-supply display: a header row of captions, a column of
 * measurements and a footer row of captions.
 *
 * The panel is a top-to-bottom StateWidgetBox with a 3-pixel border ring,
 * holding three boxes: header() (captions, left to right), measure()
 * (ValueWidget rows, top to bottom) and footer() (captions, left to right).
 * The counts are fixed at construction; a count of 0 or less makes an empty
 * box, a count above 1000 is taken as 1000. One setState() or setColor() on the panel reaches every box, caption
 * and value inside.
 *
 * Accessors and setters by index return null or do nothing for an index out
 * of range, or for a position that holds a widget of another kind.
 *
 * The three boxes belong to the panel and can be reached by the host: once
 * one has been deleted or taken out of the panel (added to another box, say),
 * its accessor returns null, its counts are 0 and the calls by index that go
 * through it return null or do nothing.
 */
class RILO_WIDGET_EXPORT PowerSupplyLCD : public StateWidgetBox
{
    Q_OBJECT

public:
    /*!
     * Creates a panel with \a headerCount captions above \a measureCount value
     * rows and \a footerCount captions below. Captions start empty, values show
     * "0.000" and "V". Not rendered until the first render().
     */
    PowerSupplyLCD(int headerCount, int measureCount, int footerCount, QWidget *parent = nullptr,
                   Qt::WindowFlags flags = Qt::WindowFlags());
    /*!
     * Creates a panel with one measurement row and no captions, as a child of
     * \a parent; further captions and rows go into header(), measure() and
     * footer(). This is the constructor that forms compiled by uic call.
     */
    explicit PowerSupplyLCD(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~PowerSupplyLCD() override;

    /*! The header row box (widget 0 of the panel); null once deleted or taken away. */
    StateWidgetBox *header() const;
    /*! The measurement column box (widget 1 of the panel); null once deleted or taken away. */
    StateWidgetBox *measure() const;
    /*! The footer row box (widget 2 of the panel); null once deleted or taken away. */
    StateWidgetBox *footer() const;

    /*! The number of widgets in the header box. */
    int headerWidgetCount() const;
    /*! The number of widgets in the measurement box. */
    int measureWidgetCount() const;
    /*! The number of widgets in the footer box. */
    int footerWidgetCount() const;

    /*! The header caption at \a index, or null if there is none or it is no StateLabel. */
    StateLabel *headerWidget(int index) const;
    /*! The footer caption at \a index, or null if there is none or it is no StateLabel. */
    StateLabel *footerWidget(int index) const;
    /*! The measurement at \a index, or null if there is none or it is no ValueWidget. */
    ValueWidget *measureWidget(int index) const;

    /*! Sets the value text of the measurement at \a index; does nothing if there is none. */
    void setValue(int index, const QString &value);
    /*! Sets the unit text of the measurement at \a index; does nothing if there is none. */
    void setUnit(int index, const QString &unit);

private:
    Q_DISABLE_COPY(PowerSupplyLCD)
    const std::unique_ptr<PowerSupplyLCDPrivate> d;
};

} // namespace measure
} // namespace widget
} // namespace rilo
