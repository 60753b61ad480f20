// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/widgethelper.h>

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QWidget>

namespace rilo {
namespace widget {

namespace {

// Whether object is of one of the classes or derives from one, as QObject::inherits() sees it.
bool inheritFrom(QObject *object, const QStringList &classNames)
{
    for (const QString &name : classNames) {
        if (object->inherits(name.toLatin1().constData()))
            return true;
    }
    return false;
}

bool matches(QObject *object, const QStringList &classNames)
{
    if (classNames.isEmpty())
        return true;
    if (classNames.contains(QString::fromLatin1(object->metaObject()->className()), Qt::CaseSensitive))
        return true;
    return inheritFrom(object, classNames);
}

} // namespace

QMainWindow *WidgetHelper::getTopMainWindow()
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (widget->inherits(QMainWindow::staticMetaObject.className()))
            return static_cast<QMainWindow *>(widget);
    }
    return nullptr;
}

QList<QObject *> WidgetHelper::getChildren(QObject *object, const QStringList &classNames, bool recursive)
{
    QList<QObject *> result;
    if (!object)
        return result;
    const QObjectList children = object->children();
    for (QObject *child : children) {
        if (matches(child, classNames))
            result.append(child);
        if (recursive)
            result.append(getChildren(child, classNames, true));
    }
    return result;
}

QList<QObject *> WidgetHelper::getChildren(QLayout *layout, const QStringList &classNames, bool recursive)
{
    QList<QObject *> result;
    if (!layout)
        return result;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (!item)
            continue;
        if (QWidget *widget = item->widget()) {
            if (matches(widget, classNames))
                result.append(widget);
            if (recursive)
                result.append(getChildren(static_cast<QObject *>(widget), classNames, true));
        }
        if (QLayout *nested = item->layout()) {
            if (recursive)
                result.append(getChildren(nested, classNames, true));
        }
    }
    return result;
}

} // namespace widget
} // namespace rilo
