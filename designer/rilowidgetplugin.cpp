// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "rilowidgetplugin.h"

RiloWidgetPlugin::RiloWidgetPlugin(RiloWidgetDescription description, QObject *parent)
    : QObject(parent)
    , m_description(std::move(description))
{
}

QString RiloWidgetPlugin::name() const
{
    return m_description.className;
}

QString RiloWidgetPlugin::group() const
{
    return QStringLiteral("Rilo Widgets");
}

QString RiloWidgetPlugin::toolTip() const
{
    return m_description.toolTip;
}

QString RiloWidgetPlugin::whatsThis() const
{
    return m_description.whatsThis;
}

QString RiloWidgetPlugin::includeFile() const
{
    // Designer reads the include's kind from this text, not from domXml():
    // angle brackets make the forms it saves say location="global", so that
    // uic writes #include <widget/...> as for an installed package.
    return QLatin1Char('<') + m_description.includeFile + QLatin1Char('>');
}

QIcon RiloWidgetPlugin::icon() const
{
    return m_description.icon();
}

bool RiloWidgetPlugin::isContainer() const
{
    return false;
}

QWidget *RiloWidgetPlugin::createWidget(QWidget *parent)
{
    return m_description.create(parent);
}

bool RiloWidgetPlugin::isInitialized() const
{
    return m_initialized;
}

void RiloWidgetPlugin::initialize(QDesignerFormEditorInterface *)
{
    m_initialized = true;
}

QString RiloWidgetPlugin::domXml() const
{
    // The header is included with angle brackets, as from an installed package.
    // The base class is declared rather than left to Designer: it would
    // otherwise take the nearest class it knows, which for ValueWidget is
    // StateWidgetBox of this very plug-in, and then warn about every form
    // that names the Qt base instead.
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%1</class>\n"
                          "   <extends>%6</extends>\n"
                          "   <header location=\"global\">%5</header>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(m_description.className, m_description.objectName)
        .arg(m_description.defaultSize.width())
        .arg(m_description.defaultSize.height())
        .arg(m_description.includeFile, m_description.extends);
}
