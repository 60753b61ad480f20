// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file standardstatewidget.h
 * A frame around one content widget that shows the two state flags.
 */
#pragma once

#include <widget/abstractstatewidget.h>

#include <memory>

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
 * deleteLater() when setContent() replaces it. A content that the host deletes
 * or moves elsewhere (re-parents) is no longer the frame's: content() returns
 * null from then on, and the frame neither renders nor deletes it.
 *
 * A frame never holds itself or one of its ancestors, which would make the
 * object tree a cycle: the constructor replaces such a content with a plain
 * QWidget and setContent() ignores it with a warning.
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
    /*! Deletes the content widget (if it is still the frame's) and the frame's layout. */
    ~StandardStateWidget() override;

    /*!
     * The current content widget; null after setContent(nullptr) and once the
     * content has been deleted or re-parented by someone else.
     */
    QWidget *content() const;

    /*!
     * Replaces the content. Does nothing if \a content is the current one.
     * Otherwise the old content is taken out of the layout and scheduled for
     * deletion (deleteLater()); a non-null \a content is adopted, laid out and
     * rendered at once. A null \a content leaves the frame empty and renders
     * nothing. The frame itself or one of its ancestors is refused (nothing
     * changes). If the host has deleted the frame's layout, a new one is made;
     * if it installed a layout of its own, the content becomes the frame's
     * child without being laid out.
     */
    void setContent(QWidget *content);

    /*!
     * Sets the width in pixels of the ring around the content (all four layout
     * margins). Does nothing when the width is already \a width. Does not
     * render. A negative width is treated as 0, a width above 1000 as 1000.
     */
    void setBorderWidth(int width);

    /*!
     * Sets the frame's Window/WindowText to the active pair and the content's
     * to the enabled pair that the flags select, for all colour groups.
     */
    void render() override;

private:
    Q_DISABLE_COPY(StandardStateWidget)
    const std::unique_ptr<StandardStateWidgetPrivate> d;
};

} // namespace widget
} // namespace rilo
