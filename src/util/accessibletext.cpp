// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "accessibletext_p.h"

#include <QWidget>

namespace rilo {
namespace widget {

AccessibleText::AccessibleText(QWidget *widget, QAccessible::Role role, Source source)
    : QAccessibleWidget(widget, role)
    , m_source(source)
{
}

QString AccessibleText::text(QAccessible::Text text) const
{
    QWidget *w = widget();
    const bool hostSetOne = (text == QAccessible::Name && !w->accessibleName().isEmpty())
                         || (text == QAccessible::Description && !w->accessibleDescription().isEmpty());
    if (!hostSetOne && m_source) {
        const QString ours = m_source(w, text);
        if (!ours.isEmpty())
            return ours;
    }
    return QAccessibleWidget::text(text);
}

void AccessibleText::install(QAccessible::InterfaceFactory factory)
{
    // QAccessible::installFactory() does nothing for a factory it holds
    // already; taking it out first would also work but would move it in
    // front of the factories the host installed since.
    QAccessible::installFactory(factory);
}

void AccessibleText::notify(QWidget *widget, QAccessible::Event event)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent change(widget, event);
    QAccessible::updateAccessibility(&change);
}

} // namespace widget
} // namespace rilo
