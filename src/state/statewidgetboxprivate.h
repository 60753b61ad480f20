// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of StateWidgetBox.
#pragma once

#include <QBoxLayout>
#include <QVector>
#include <QPointer>

namespace rilo {
namespace widget {

class AbstractStateWidget;
class StateWidgetBox;

class StateWidgetBoxPrivate
{
public:
    static constexpr int kMaxStretch = 1000;

    // Brings the list in step with the box's current content: a new content
    // (setContent()) starts with an empty list, since the widgets stayed with
    // the old one, and is watched for children that leave it.
    void sync(StateWidgetBox *q);
    // The box layout of the current content, made on first use for a content
    // without a layout (direction, margin and spacing as last set); a box
    // layout the content already has is used as it is; null when there is no
    // content or its layout is of another kind.
    QBoxLayout *layout(StateWidgetBox *q);
    // True if \a widget is alive and still a child of the box's content.
    static bool holds(const StateWidgetBox *q, const AbstractStateWidget *widget);
    // Calls \a call on every widget of the list, in list order, over a copy of
    // the list taken before the first call: a widget that a call adds is not
    // reached, one that a call deletes or takes out of the box is skipped.
    // Returns false if a call deleted the box itself.
    template <typename Call>
    bool forEach(StateWidgetBox *q, Call call);

    QPointer<QWidget> listContent;                  // the content the list belongs to
    QVector<QPointer<AbstractStateWidget>> widgets; // list order; owned by the box
    QBoxLayout::Direction direction = QBoxLayout::LeftToRight;
    int margin = 3;
    int spacing = 3;
    bool rendering = false;  // inside render(), which a widget below may call back
    bool destroying = false; // in the destructor: the list is being emptied
};

} // namespace widget
} // namespace rilo
