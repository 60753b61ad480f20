// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the Qt Designer plug-in, loaded as Designer loads it, and of a form that uic compiled.
#include "testsupport.h"

#include "ui_designerform.h"

#include <QPluginLoader>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

using namespace rilo::widget;

class TestDesigner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
        m_collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(m_loader.instance());
        QVERIFY(m_collection);
    }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // Each widget the plug-in offers: its header, the Qt class it extends, its example texts (title|description).
    void everyWidgetIsOfferedAndCreated_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("spoken");
        const auto row = [](const char *name, const char *header, const char *base, const char *spoken) {
            QTest::newRow(name) << name << header << base << spoken;
        };
        row("rilo::widget::StateLabel", "widget/statelabel.h", "QWidget", "Label|");
        row("rilo::widget::StateWidgetBox", "widget/statewidgetbox.h", "QWidget", "|");
        row("rilo::widget::measure::ValueWidget", "widget/valuewidget.h", "QWidget", "0.000 V|");
        row("rilo::widget::measure::PowerSupplyLCD", "widget/powersupplylcd.h", "QWidget", "|");
        row("rilo::widget::FlagPanelText", "widget/flagpanel.h", "QFrame", "Flags|A, B, C");
        row("rilo::widget::FlagPanelState", "widget/flagpanel.h", "QFrame", "Lamps|on, off, on");
        row("rilo::widget::CCheckbox", "widget/ccheckbox.h", "QComboBox", "OFF|");
        row("rilo::widget::CComboBox", "widget/ccombobox.h", "QComboBox", "|");
        QCOMPARE(m_collection->customWidgets().size(), 8); // and nothing else
    }
    void everyWidgetIsOfferedAndCreated()
    {
        QFETCH(QString, className);
        QFETCH(QString, header);
        QFETCH(QString, base);
        QDesignerCustomWidgetInterface *plugin = nullptr;
        for (QDesignerCustomWidgetInterface *offered : m_collection->customWidgets())
            plugin = offered->name() == className ? offered : plugin;
        QVERIFY(plugin);
        QCOMPARE(plugin->group(), QStringLiteral("Rilo Widgets"));
        QCOMPARE(plugin->includeFile(), '<' + header + '>'); // angle brackets: Designer saves a global include
        QVERIFY(!plugin->toolTip().isEmpty() && !plugin->whatsThis().isEmpty() && !plugin->isContainer());
        const QImage icon = plugin->icon().pixmap(32, 32).toImage();
        int opaque = 0; // an all transparent icon shows nothing in the widget box
        for (int i = 0; i < 32 * 32; ++i)
            opaque += qAlpha(icon.pixel(i % 32, i / 32)) > 0;
        QVERIFY(opaque > 50);

        // The XML that Designer puts into a form.
        const QString xml = plugin->domXml();
        QXmlStreamReader reader(xml);
        while (!reader.atEnd())
            reader.readNext();
        QVERIFY(!reader.hasError());
        const QStringList parts{"<widget class=\"" + className + "\" name=\"[a-z]", "<class>" + className + "</class>",
                                "<header location=\"global\">" + header + "</header>", "<extends>" + base + "<"};
        for (const QString &part : parts)
            QVERIFY2(xml.contains(QRegularExpression(part)), qPrintable(part));

        // Created as Designer creates it; the declared base is the nearest Qt class; the previews carry examples.
        QWidget parent;
        QWidget *widget = plugin->createWidget(&parent);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        const QMetaObject *meta = widget->metaObject();
        while (QByteArray(meta->className()).contains("::"))
            meta = meta->superClass();
        QCOMPARE(QString::fromLatin1(meta->className()), base);
        QTEST(QString(rilotest::spoken(widget) + '|' + rilotest::spoken(widget, QAccessible::Description)), "spoken");
    }

    void formCompiledByUicHoldsWorkingWidgets()
    {
        QWidget form;
        Ui::DesignerForm ui;
        ui.setupUi(&form);
        // uic calls the parent-only constructors: empty panels and file box, the selector checked by the form.
        QCOMPARE(ui.powerSupplyLCD->measureWidgetCount(), 1);
        QCOMPARE(ui.valueWidget->value(), QStringLiteral("0.000"));
        QCOMPARE(ui.flagPanelText->flagCount() + ui.flagPanelState->flagCount() + ui.cComboBox->count(), 0);
        QVERIFY(ui.cCheckbox->isChecked());
    }

private:
    QPluginLoader m_loader{QStringLiteral(RILO_DESIGNER_PLUGIN)};
    QDesignerCustomWidgetCollectionInterface *m_collection = nullptr;
};

QTEST_MAIN(TestDesigner)
#include "tst_designer.moc"
