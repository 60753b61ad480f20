// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file standardstatewidget.h
 * A frame around one content widget that shows the two state flags.
 */
#pragma once

#include <widget/abstractstatewidget.h>

namespace rilo {
namespace widget {

class StandardStateWidgetPrivate;

/*!
 * \brief A frame that holds one content widget and shows the state flags by colour.
 *
 * The frame's own background shows the active flag, the content's background
 * and text the enabled flag. With a border width above 0 (setBorderWidth()) the
 * frame's background shows as a ring of that width around the content. The
 * widget draws nothing itself: render() sets the palettes (in every colour
 * group) and Qt fills the backgrounds.
 *
 * The frame owns its content: it deletes it in its destructor, or with
 * deleteLater() when setContent() replaces it.
 */
class RILO_WIDGET_EXPORT StandardStateWidget : public AbstractStateWidget
{
    Q_OBJECT

public:
    /*!
     * Creates a frame around \a content, which becomes a child of the frame.
     * A null \a content is replaced by an empty plain QWidget. The border width
     * starts at 0. The frame is not rendered until the first render().
     *
     * Unlike most Qt widgets the first argument is the content, not the parent:
     * \c StandardStateWidget(label) frames \c label. For that reason the class
     * is not offered to forms built by uic, which pass the parent first.
     */
    explicit StandardStateWidget(QWidget *content = nullptr, QWidget *parent = nullptr,
                                 Qt::WindowFlags flags = Qt::WindowFlags());
    /*! Deletes the content widget and the frame's layout. */
    ~StandardStateWidget() override;

    /*! The current content widget, or null after setContent(nullptr). */
    QWidget *content() const;

    /*!
     * Replaces the content. Does nothing if \a content is the current one.
     * Otherwise the old content is taken out of the layout and scheduled for
     * deletion (deleteLater()); a non-null \a content is adopted, laid out and
     * rendered at once. A null \a content leaves the frame empty and renders
     * nothing.
     */
    void setContent(QWidget *content);

    /*!
     * Sets the width in pixels of the ring around the content (all four layout
     * margins). Does nothing when the width is already \a width. Does not
     * render. A negative width is treated as 0.
     */
    void setBorderWidth(int width);

    /*!
     * Sets the frame's Window/WindowText to the active pair and the content's
     * to the enabled pair that the flags select, for all colour groups.
     */
    void render() override;

private:
    Q_DISABLE_COPY(StandardStateWidget)
    StandardStateWidgetPrivate *d;
};

} // namespace widget
} // namespace rilo
