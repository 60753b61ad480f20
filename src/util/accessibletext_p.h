// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Accessible texts that the library's widgets compute when an assistive
// technology asks for them, instead of storing them on every widget with
// QWidget::setAccessibleName()/setAccessibleDescription(). Storing them cost
// each named widget an accessible interface and a change event on every
// update, even with nobody listening.
//
// Each family provides a stateless interface factory (QAccessible's
// InterfaceFactory) that answers for its own class names with an
// AccessibleText, and installs it from the constructors of its widgets
// (install()). The widget's own accessibleName()/accessibleDescription(),
// which only the host sets, win over the library's texts while not empty.
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>

namespace rilo {
namespace widget {

class AccessibleText : public QAccessibleWidget
{
public:
    // What the library says as \a text for \a widget; an empty string leaves
    // the text to Qt (window title, buddy label, tool tip).
    using Source = QString (*)(QWidget *widget, QAccessible::Text text);

    AccessibleText(QWidget *widget, QAccessible::Role role, Source source);

    // The host's accessible name or description when it has set one, else
    // the library's text when there is one, else what Qt says for any widget.
    QString text(QAccessible::Text text) const override;

    // Installs \a factory unless it is installed already (QAccessible keeps
    // each factory once), so that constructors can call it every time.
    static void install(QAccessible::InterfaceFactory factory);

    // Tells a listening assistive technology that \a widget's name or
    // description (\a event) has changed. Sends nothing while accessibility
    // is inactive: a screen reader that comes later asks for the texts and
    // gets the current ones.
    static void notify(QWidget *widget, QAccessible::Event event);

private:
    Source m_source;
};

} // namespace widget
} // namespace rilo
