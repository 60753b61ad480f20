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
    return m_description.includeFile;
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
    return QStringLiteral(
               "<ui language=\"c++\">\n"
               " <widget class=\"%1\" name=\"%2\">\n"
               "  <property name=\"geometry\">\n"
               "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
               "  </property>\n"
               " </widget>\n"
               " <customwidgets>\n"
               "  <customwidget>\n"
               "   <class>%1</class>\n"
               "   <header location=\"global\">%5</header>\n"
               "  </customwidget>\n"
               " </customwidgets>\n"
               "</ui>\n")
        .arg(m_description.className, m_description.objectName)
        .arg(m_description.defaultSize.width())
        .arg(m_description.defaultSize.height())
        .arg(m_description.includeFile);
}
