// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Autotest of the Qt Designer integration: the plug-in as Designer loads it,
// and a form that uses the library's widgets compiled by uic.
#include "testsupport.h"

#include "ui_designerform.h"

#include <widget/ccheckbox.h>
#include <widget/ccombobox.h>
#include <widget/flagpanel.h>
#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/statewidgetbox.h>
#include <widget/valuewidget.h>

#include <QAccessible>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPluginLoader>
#include <QTest>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <memory>

using namespace rilo::widget;

namespace {

// The classes a form can hold, with their headers.
const QList<QPair<QString, QString>> kExpected = {
    {QStringLiteral("rilo::widget::StateLabel"), QStringLiteral("widget/statelabel.h")},
    {QStringLiteral("rilo::widget::StateWidgetBox"), QStringLiteral("widget/statewidgetbox.h")},
    {QStringLiteral("rilo::widget::measure::ValueWidget"), QStringLiteral("widget/valuewidget.h")},
    {QStringLiteral("rilo::widget::measure::PowerSupplyLCD"), QStringLiteral("widget/powersupplylcd.h")},
    {QStringLiteral("rilo::widget::FlagPanelText"), QStringLiteral("widget/flagpanel.h")},
    {QStringLiteral("rilo::widget::FlagPanelState"), QStringLiteral("widget/flagpanel.h")},
    {QStringLiteral("rilo::widget::CCheckbox"), QStringLiteral("widget/ccheckbox.h")},
    {QStringLiteral("rilo::widget::CComboBox"), QStringLiteral("widget/ccombobox.h")},
};

struct DomInfo
{
    QString widgetClass;
    QString objectName;
    QString customClass;
    QString extends;
    QString header;
    QString headerLocation;
};

// Reads the parts of a widget's domXml() that Designer relies on; fails the
// read (returns false) on XML that is not well formed.
bool readDomXml(const QString &xml, DomInfo *info)
{
    QXmlStreamReader reader(xml);
    QString element;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            element = reader.name().toString();
            if (element == QLatin1String("widget") && info->widgetClass.isEmpty()) {
                info->widgetClass = reader.attributes().value(QLatin1String("class")).toString();
                info->objectName = reader.attributes().value(QLatin1String("name")).toString();
            } else if (element == QLatin1String("header")) {
                info->headerLocation = reader.attributes().value(QLatin1String("location")).toString();
            }
        } else if (reader.isCharacters() && !reader.isWhitespace()) {
            if (element == QLatin1String("class"))
                info->customClass = reader.text().toString();
            else if (element == QLatin1String("extends"))
                info->extends = reader.text().toString();
            else if (element == QLatin1String("header"))
                info->header = reader.text().toString();
        }
    }
    return !reader.hasError();
}

} // namespace

class TestDesigner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void pluginOffersEveryFormWidget();
    void everyWidgetIsCreatedThroughThePlugin_data();
    void everyWidgetIsCreatedThroughThePlugin();
    void formCompiledByUicShowsTheWidgets();
    void formDeclaresTheBasesThePluginDeclares();
    void previewFlagPanelsCarryExamples();
    void formFlagPanelsAndInputsAreRuntimeInstances();

private:
    QDesignerCustomWidgetInterface *find(const QString &className) const;

    QPluginLoader m_loader;
    QDesignerCustomWidgetCollectionInterface *m_collection = nullptr;
};

void TestDesigner::initTestCase()
{
    rilotest::useTestFont();
    m_loader.setFileName(QStringLiteral(RILO_DESIGNER_PLUGIN));
    QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
    m_collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(m_loader.instance());
    QVERIFY(m_collection);
    QCOMPARE(m_loader.metaData().value(QLatin1String("IID")).toString(),
             QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"));
}

void TestDesigner::cleanupTestCase()
{
    m_collection = nullptr;
    m_loader.unload();
}

QDesignerCustomWidgetInterface *TestDesigner::find(const QString &className) const
{
    const auto widgets = m_collection->customWidgets();
    for (QDesignerCustomWidgetInterface *w : widgets)
        if (w->name() == className)
            return w;
    return nullptr;
}

void TestDesigner::pluginOffersEveryFormWidget()
{
    QStringList offered;
    const auto widgets = m_collection->customWidgets();
    for (QDesignerCustomWidgetInterface *w : widgets)
        offered << w->name();
    QStringList expected;
    for (const auto &e : kExpected)
        expected << e.first;
    offered.sort();
    expected.sort();
    QCOMPARE(offered, expected);
}

void TestDesigner::everyWidgetIsCreatedThroughThePlugin_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("header");
    for (const auto &e : kExpected)
        QTest::newRow(qPrintable(e.first)) << e.first << e.second;
}

void TestDesigner::everyWidgetIsCreatedThroughThePlugin()
{
    QFETCH(QString, className);
    QFETCH(QString, header);
    QDesignerCustomWidgetInterface *plugin = find(className);
    QVERIFY(plugin);
    QCOMPARE(plugin->group(), QStringLiteral("Rilo Widgets"));
    // In angle brackets: Designer then saves the header as a global one.
    QCOMPARE(plugin->includeFile(), QLatin1Char('<') + header + QLatin1Char('>'));
    QVERIFY(!plugin->toolTip().isEmpty());
    QVERIFY(!plugin->whatsThis().isEmpty());
    QVERIFY(!plugin->isContainer());
    const QPixmap icon = plugin->icon().pixmap(32, 32);
    QVERIFY(!icon.isNull());
    // An icon that is all transparent would show nothing in the widget box.
    const QImage image = icon.toImage();
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 0;
    QVERIFY(opaque > 50);

    QWidget form;
    QWidget *widget = plugin->createWidget(&form);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), &form);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);

    DomInfo dom;
    QVERIFY(readDomXml(plugin->domXml(), &dom));
    QCOMPARE(dom.widgetClass, className);
    QCOMPARE(dom.customClass, className);
    QCOMPARE(dom.header, header);
    QCOMPARE(dom.headerLocation, QStringLiteral("global"));
    QVERIFY(!dom.objectName.isEmpty());
    QVERIFY(dom.objectName.at(0).isLower());

    // The declared base is the nearest Qt class the widget derives from.
    QString qtBase;
    for (const QMetaObject *meta = widget->metaObject(); meta && qtBase.isEmpty(); meta = meta->superClass()) {
        const QString name = QString::fromLatin1(meta->className());
        if (!name.contains(QLatin1String("::")))
            qtBase = name;
    }
    QCOMPARE(dom.extends, qtBase);
}

void TestDesigner::formDeclaresTheBasesThePluginDeclares()
{
    // Designer warns about, and ignores, a form whose base class for a
    // custom widget differs from the one the plug-in declares.
    QFile file(QFINDTESTDATA("designerform.ui"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&file);
    QMap<QString, QString> formBases;
    QString element, className;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            element = reader.name().toString();
        } else if (reader.isCharacters() && !reader.isWhitespace()) {
            if (element == QLatin1String("class"))
                className = reader.text().toString();
            else if (element == QLatin1String("extends"))
                formBases.insert(className, reader.text().toString());
        }
    }
    QVERIFY(!reader.hasError());
    QCOMPARE(formBases.size(), kExpected.size());
    for (auto it = formBases.cbegin(); it != formBases.cend(); ++it) {
        QDesignerCustomWidgetInterface *plugin = find(it.key());
        QVERIFY2(plugin, qPrintable(it.key()));
        DomInfo dom;
        QVERIFY(readDomXml(plugin->domXml(), &dom));
        QCOMPARE(it.value(), dom.extends);
    }
}

void TestDesigner::formCompiledByUicShowsTheWidgets()
{
    QWidget form;
    Ui::DesignerForm ui;
    ui.setupUi(&form);
    QCOMPARE(ui.stateLabel->objectName(), QStringLiteral("stateLabel"));
    QCOMPARE(ui.stateLabel->parentWidget(), &form);
    QCOMPARE(ui.powerSupplyLCD->measureWidgetCount(), 1);
    QCOMPARE(ui.valueWidget->value(), QStringLiteral("0.000"));

    int row, column, rowSpan, columnSpan;
    ui.gridLayout->getItemPosition(ui.gridLayout->indexOf(ui.powerSupplyLCD), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 1);
    QCOMPARE(columnSpan, 2);

    ui.stateLabel->setText(QStringLiteral("CH1"));
    ui.powerSupplyLCD->setState(AbstractStateWidget::kActive, true);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = ui.powerSupplyLCD->grab().toImage();
    QCOMPARE(image.pixelColor(1, image.height() / 2), QColor(0xFF, 0x7A, 0x00));
}

void TestDesigner::previewFlagPanelsCarryExamples()
{
    QWidget form;
    auto *text = qobject_cast<FlagPanelText *>(find(QStringLiteral("rilo::widget::FlagPanelText"))->createWidget(&form));
    auto *lamps =
        qobject_cast<FlagPanelState *>(find(QStringLiteral("rilo::widget::FlagPanelState"))->createWidget(&form));
    QVERIFY(text && lamps);
    QCOMPARE(text->flagCount(), 3);
    QCOMPARE(lamps->flagCount(), 3);
    QCOMPARE(QAccessible::queryAccessibleInterface(text)->text(QAccessible::Name), QStringLiteral("Flags"));
    QCOMPARE(QAccessible::queryAccessibleInterface(text)->text(QAccessible::Description), QStringLiteral("A, B, C"));
    QCOMPARE(QAccessible::queryAccessibleInterface(lamps)->text(QAccessible::Name), QStringLiteral("Lamps"));
    QCOMPARE(QAccessible::queryAccessibleInterface(lamps)->text(QAccessible::Description),
             QStringLiteral("on, off, on"));

    // The example lamps are painted: green, grey, green.
    text->setGeometry(0, 0, 120, 60);
    lamps->setGeometry(130, 0, 120, 60);
    form.resize(260, 70);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = lamps->grab().toImage();
    QList<QColor> seen;
    const int y = image.height() - 12;
    for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if ((c == QColor(0, 212, 0) || c == QColor(169, 169, 169)) && (seen.isEmpty() || seen.last() != c))
            seen.append(c);
    }
    QCOMPARE(seen, (QList<QColor>{QColor(0, 212, 0), QColor(169, 169, 169), QColor(0, 212, 0)}));
}

void TestDesigner::formFlagPanelsAndInputsAreRuntimeInstances()
{
    QWidget form;
    Ui::DesignerForm ui;
    ui.setupUi(&form);

    // uic calls the parent-only constructors: empty panels, a selector with
    // its own two entries, an empty file box.
    QCOMPARE(ui.flagPanelText->parentWidget(), &form);
    QCOMPARE(ui.flagPanelText->flagCount(), 0);
    QCOMPARE(ui.flagPanelState->flagCount(), 0);
    QVERIFY(ui.flagPanelText->findChildren<QLabel *>().isEmpty());
    QCOMPARE(ui.flagPanelState->enableColor(), QColor(0, 212, 0));
    QCOMPARE(ui.cCheckbox->count(), 2);
    QCOMPARE(ui.cComboBox->count(), 0);
    QVERIFY(ui.cComboBox->acceptDrops());

    // The form set the selector's current index to 0: checked.
    QVERIFY(ui.cCheckbox->isChecked());
    QCOMPARE(ui.cCheckbox->currentText(), QStringLiteral("ON"));

    int row, column, rowSpan, columnSpan;
    ui.gridLayout->getItemPosition(ui.gridLayout->indexOf(ui.flagPanelState), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 3);
    QCOMPARE(column, 1);
    ui.gridLayout->getItemPosition(ui.gridLayout->indexOf(ui.cComboBox), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 4);
    QCOMPARE(column, 1);

    // And they work as the application uses them.
    ui.flagPanelState->setTitle(QStringLiteral("Outputs"));
    ui.flagPanelState->setFlag(true, 0);
    QCOMPARE(ui.flagPanelState->flagCount(), 1);
    ui.cCheckbox->setChecked(false);
    QCOMPARE(ui.cCheckbox->currentText(), QStringLiteral("OFF"));
}

QTEST_MAIN(TestDesigner)
#include "tst_designer.moc"
