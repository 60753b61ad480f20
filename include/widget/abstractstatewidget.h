// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file abstractstatewidget.h
 * The two-flag state model shared by every state-indicator widget.
 */
#pragma once

#include <widget/widget_config.h>

#include <QColor>
#include <QWidget>

#include <memory>
#include <utility>

namespace rilo {
namespace widget {

class AbstractStateWidgetPrivate;

/*!
 * \brief Abstract base of the state-indicator widgets.
 *
 * A state widget carries two independent flags, active and enabled, and shows
 * them by colour. Each flag has one colour pair for "set" and one for "clear";
 * a pair is a background colour (palette role QPalette::Window, \c first) and a
 * text colour (QPalette::WindowText, \c second). By default every pair is
 * "#353538" with white text except the active-on pair, which is orange
 * "#FF7A00" with white text.
 *
 * The class only stores flags and colours; subclasses implement render(),
 * which turns them into palette colours. Nothing is drawn in state colours
 * until the first call that reaches render(): setColor() always renders,
 * setStates() and setState() render only when the flags change. The enabled
 * flag is a display state of this library and never touches
 * QWidget::isEnabled().
 *
 * Calls from render(): a setStates(), setState() or setColor() (or the render
 * of a new content, StandardStateWidget::setContent()) that reaches a widget
 * while that widget is still handling one of these calls (typically
 * from a render() override, or from a widget inside a box calling the box) is
 * not made at once but kept, and made after the outer call has finished, in
 * the order the calls came. Calls kept while the kept ones are being made are
 * made in a further round; after 8 rounds whatever is still kept is dropped
 * with a warning, so a render() that changes the flags every time cannot
 * recurse or loop for ever. Ordinary calls, which do not come back to the
 * widget, are made at once as described below.
 */
class RILO_WIDGET_EXPORT AbstractStateWidget : public QWidget
{
    Q_OBJECT

public:
    /*!
     * The state flags. The underlying type is fixed, so that any int a host
     * casts to State is a valid value (see color() and setColor() for what
     * values outside 0 to 3 do).
     */
    enum State : int {
        kNone = 0,    //!< no flag set
        kActive = 1,  //!< the active flag
        kEnabled = 2, //!< the enabled flag
        kAll = 3      //!< both flags
    };
    Q_ENUM(State)
    /*! A combination of State flags, as stored by setStates(). */
    Q_DECLARE_FLAGS(States, State)
    Q_FLAG(States)

    /*!
     * Creates a widget with no flag set and the default colour pairs. It is not
     * rendered yet: it shows the ordinary palette until the first render().
     */
    explicit AbstractStateWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    /*! Destroys the widget and its private record; Qt deletes the children. */
    ~AbstractStateWidget() override;

    /*!
     * Applies the current flags and colour pairs to the screen. Public so that
     * containers and hosts can render widgets that are not their own.
     */
    virtual void render() = 0;

    /*!
     * Replaces all flags at once. Does nothing when \a states equals the stored
     * flags; otherwise stores them and calls render(). Bits other than kActive
     * and kEnabled are stored as given and have no meaning.
     */
    virtual void setStates(States states);

    /*!
     * Sets (\a on true) or clears (\a on false) the bits of \a state, leaving
     * the other flag alone. Renders only when the flags change; kAll sets or
     * clears both flags, kNone never changes anything.
     */
    virtual void setState(State state, bool on);

    /*!
     * Stores \a color as the pair shown while the flag is set (\a on true) or
     * clear (\a on false). kActive and kEnabled name one flag, kAll both;
     * kNone and any other value store nothing. Always calls render(), whether
     * or not a pair was stored or changed.
     */
    virtual void setColor(State state, const std::pair<QColor, QColor> &color, bool on);

    /*! The current flags. */
    States states() const;

    /*!
     * The colour pair of \a state for the flag set (\a on true) or clear.
     * For kNone and kAll it is what the widget shows now: its palette's Window
     * and WindowText colours in the current colour group (\a on is ignored).
     * Any other value gives two invalid colours.
     */
    std::pair<QColor, QColor> color(State state, bool on) const;

    /*!
     * The text that describes \a states to assistive technology, such as
     * "active, enabled". Once the flags have changed, this text (in the
     * language of the moment) is the description a state widget's accessible
     * interface gives, unless the host has set an accessibleDescription() of
     * its own; an empty one hands the description back.
     *
     * The text is put together when an assistive technology asks for it, not
     * stored on the widget: the first state widget constructed installs the
     * state widgets' accessible interface factory (QAccessible::installFactory(),
     * which keeps it once). A change of the text is announced
     * (QAccessible::DescriptionChanged) only while accessibility is active.
     */
    static QString describeStates(States states);

private:
    Q_DISABLE_COPY(AbstractStateWidget)
    friend class AbstractStateWidgetPrivate;
    const std::unique_ptr<AbstractStateWidgetPrivate> d;
};

} // namespace widget
} // namespace rilo

Q_DECLARE_OPERATORS_FOR_FLAGS(rilo::widget::AbstractStateWidget::States)
