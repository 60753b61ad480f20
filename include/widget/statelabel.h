// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file statelabel.h
 * A text in state colours.
 */
#pragma once

#include <widget/standardstatewidget.h>

class QLabel;

namespace rilo {
namespace widget {

/*!
 * \brief A QLabel framed by a StandardStateWidget.
 *
 * The text and its background follow the enabled flag; the ring around it
 * (border width 0 unless changed) follows the active flag.
 *
 * The label is the frame's content and is looked up each time it is needed:
 * label() is the content if it is a QLabel, and null once the content has been
 * deleted, taken away or replaced (setContent()) by a widget of another kind.
 * Without a label, text() is empty and the setters do nothing; a QLabel given
 * to setContent() becomes the label.
 */
class RILO_WIDGET_EXPORT StateLabel : public StandardStateWidget
{
    Q_OBJECT

public:
    /*!
     * Creates a state label showing \a text at \a pointSize points with
     * \a alignment. The label's own margin is 2 pixels, the border width 0.
     * It is not rendered until the first render().
     */
    explicit StateLabel(const QString &text = QString(), int pointSize = 9,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, QWidget *parent = nullptr,
                        Qt::WindowFlags flags = Qt::WindowFlags());
    /*!
     * Creates an empty state label (point size 9, left and vertically centred)
     * as a child of \a parent. This is the constructor that forms compiled by
     * uic call.
     */
    explicit StateLabel(QWidget *parent);
    ~StateLabel() override;

    /*! The label, owned by the state label; null when the content is no QLabel. */
    QLabel *label() const;
    /*! The label's text. */
    QString text() const;
    /*!
     * Sets the label's text. The state label's accessible name is the text,
     * read when an assistive technology asks (see
     * AbstractStateWidget::describeStates() for the factory that makes this
     * so), unless the host has set an accessibleName() of its own.
     */
    void setText(const QString &text);
    /*!
     * Sets the point size of the label's font; family, weight and the other
     * font attributes stay. A size of 0 or less is ignored (Qt would warn and
     * keep the old size); a size above 1000 is taken as 1000.
     */
    void setPointSize(int pointSize);
    /*! Sets the alignment of the text in the label. */
    void setAlignment(Qt::Alignment alignment);
    /*!
     * Sets the label's own margin, the space between its edge and its text.
     * This is not the frame ring, which setBorderWidth() sets. A margin below
     * 0 is taken as 0, one above 1000 as 1000.
     */
    void setMargin(int margin);

private:
    Q_DISABLE_COPY(StateLabel)
};

} // namespace widget
} // namespace rilo
