// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of StandardStateWidget.
#pragma once

#include <QGridLayout>
#include <QPointer>
#include <QWidget>

namespace rilo {
namespace widget {

class StandardStateWidget;

// The grid layout a frame makes for itself. A type of its own, so that the
// frame tells its own layout from one a host installed after deleting it by
// looking at the layout it has, without keeping a guarded pointer to it
// (which costs every frame a heap block). Without Q_OBJECT: its meta-object,
// and so its class name, is QGridLayout's.
class FrameGridLayout final : public QGridLayout
{
};

class StandardStateWidgetPrivate
{
public:
    // The largest border width, label margin, box margin and spacing taken,
    // in pixels. Far beyond any real form, and far enough below INT_MAX that
    // Qt's geometry arithmetic cannot overflow.
    static constexpr int kMaxExtent = 1000;

    // The frame's grid layout. Re-created (holding the content) when the host
    // has deleted it and the frame has no layout; null when the host installed
    // a layout of its own.
    QGridLayout *grid(StandardStateWidget *q);
    // Installs a new grid layout on the frame, holding \a content (if any),
    // with the border width as margins and no spacing.
    FrameGridLayout *makeGrid(StandardStateWidget *q, QWidget *content) const;
    // The frame's own grid layout if it still has it, else null; never makes one.
    static FrameGridLayout *ownGrid(const StandardStateWidget *q);

    // Polishes \a widget, a widget of the library's own making whose class is
    // final, and takes back the polish request that Qt posted when it was
    // created: the request would only have called ensurePolished() later.
    // Done right after creation, while the request is at the end of a short
    // queue, this is cheap; left behind, every request makes the widget's
    // destructor scan the application's whole queue, which made taking down
    // a panel grow with the square of its size.
    static void settle(QWidget *widget);

    // True if \a candidate is \a widget or one of its ancestors: making it a
    // child of \a widget would close a cycle in the object tree.
    static bool isSelfOrAncestor(const QWidget *candidate, const QWidget *widget);

    // Owned by the frame; null after setContent(nullptr) or once the host has
    // deleted it. A content that someone else has taken (re-parented) is no
    // longer the frame's: content() checks the parent.
    QPointer<QWidget> content;
    int borderWidth = 0; // the margins of the frame's grid layout
};

} // namespace widget
} // namespace rilo
