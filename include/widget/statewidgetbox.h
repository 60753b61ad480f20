// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file statewidgetbox.h
 * A row or column of state widgets driven as one.
 */
#pragma once

#include <widget/standardstatewidget.h>

#include <QBoxLayout>

#include <memory>

namespace rilo {
namespace widget {

class StateWidgetBoxPrivate;

/*!
 * \brief A state widget that lines up other state widgets and drives them together.
 *
 * The box is a StandardStateWidget whose content carries a QBoxLayout (margin
 * 3, spacing 3). Widgets given to add() or insert() belong to the box from then
 * on: they become children of its content and are deleted, front first, by the
 * box's destructor.
 *
 * setState() and setColor() reach the box and then every widget in list order,
 * depth first through nested boxes; render() renders the box and then every
 * widget. setStates() changes only the box's own flags.
 *
 * List indices (count(), widget(), insert()) count only the state widgets;
 * layout indices (setStretch(), insertStretch()) count every layout item,
 * stretches included.
 *
 * Bad input: add() and insert() ignore a null widget and a widget that is
 * already in this box; a widget that sits in another box is moved out of it.
 * insert() appends for an index below 0 or above count(). A widget that the
 * host deletes or re-parents after handing it over leaves the box's list.
 * The box itself, its content and its ancestors are refused with a warning,
 * since holding them would make the object tree a cycle.
 *
 * Replacing the content (setContent()): the widgets stay with the old content
 * and go with it, so the list starts empty again. The box lays out new widgets
 * in the new content's box layout, or gives a content without a layout a new
 * one (direction, margin and spacing as last set). While the box has no
 * content, or the content has a layout of another kind, add() and insert()
 * do nothing (the widget stays the caller's) and the layout operations only
 * remember their values.
 *
 * Calls that come back: setState(), setColor() and render() go through the
 * widgets as the list stood when they started. A widget that a render() adds
 * is not reached by that call, one that it deletes or moves away is skipped,
 * and a render() that deletes the box ends the call safely. A render() of the
 * box reached again from a widget below while the box is rendering does
 * nothing; state and colour calls that come back are kept and made afterwards
 * (see AbstractStateWidget).
 *
 * Out-of-range values: margins above 1000 are taken as 1000, below 0 as 0;
 * spacings below -1 as -1 (the style's spacing, as in Qt), above 1000 as
 * 1000; stretch factors are kept between 0 and 1000.
 */
class RILO_WIDGET_EXPORT StateWidgetBox : public StandardStateWidget
{
    Q_OBJECT

public:
    /*! Creates an empty box laid out in \a direction. Not rendered until the first render(). */
    explicit StateWidgetBox(QBoxLayout::Direction direction = QBoxLayout::LeftToRight, QWidget *parent = nullptr,
                            Qt::WindowFlags flags = Qt::WindowFlags());
    /*!
     * Creates an empty left-to-right box as a child of \a parent. This is the
     * constructor that forms compiled by uic call.
     */
    explicit StateWidgetBox(QWidget *parent);
    /*! Deletes the widgets front first, then the box layout. */
    ~StateWidgetBox() override;

    /*! The number of state widgets in the box. */
    int count() const;
    /*! The widget at list \a index, or null for an index outside 0 to count() - 1. */
    AbstractStateWidget *widget(int index) const;

    /*! Appends \a widget to the list and to the end of the layout; the box takes ownership. */
    void add(AbstractStateWidget *widget);
    /*!
     * Inserts \a widget at \a index, both in the list and in the layout; the box
     * takes ownership. An index below 0 or above count() appends.
     */
    void insert(int index, AbstractStateWidget *widget);

    /*! Sets or clears \a state on the box, then on every widget in list order. */
    void setState(State state, bool on) override;
    /*! Stores \a color in the box (which renders), then in every widget in list order. */
    void setColor(State state, const std::pair<QColor, QColor> &color, bool on) override;
    /*! Renders the box, then every widget in list order. */
    void render() override;

    /*! Sets the direction of the box layout. */
    void setDirection(QBoxLayout::Direction direction);
    /*! Sets all four contents margins of the box layout (not the border width). */
    void setMargin(int margin);
    /*! Sets the space between neighbouring items of the box layout. */
    void setSpacing(int spacing);
    /*! Appends a stretchable space with factor \a stretch to the layout. */
    void addStretch(int stretch = 0);
    /*! Inserts a stretchable space at layout \a index (-1 or out of range appends). */
    void insertStretch(int index, int stretch = 0);
    /*! Sets the stretch factor of the item at layout \a index; an invalid index is ignored. */
    void setStretch(int index, int stretch);

protected:
    /*! Keeps the list in step when a widget leaves the box's content behind its back. */
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(StateWidgetBox)
    const std::unique_ptr<StateWidgetBoxPrivate> d;
};

} // namespace widget
} // namespace rilo
