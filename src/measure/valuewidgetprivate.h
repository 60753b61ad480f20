// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of ValueWidget.
#pragma once

#include <QPointer>
#include <QString>

#include <widget/statelabel.h>

namespace rilo {
namespace widget {


namespace measure {

class ValueWidget;

class ValueWidgetPrivate
{
public:
    static QString accessibleName(const QString &value, const QString &unit);
    void updateAccessibleName(ValueWidget *q);

    // Box widgets 0 and 1, owned by the box. Guarded: the host can delete them
    // or hand them to another box; see ValueWidget::valueWidget().
    QPointer<StateLabel> valueWidget;
    QPointer<StateLabel> unitWidget;
    QString ourName;                   // the accessible name this widget gave itself last
};

} // namespace measure
} // namespace widget
} // namespace rilo
