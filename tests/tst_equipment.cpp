// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the equipment records, the plug-in base class and the equipment
// window, including a round trip through the example plug-in loaded with
// QPluginLoader.
#include "testsupport.h"

#include <widget/equipmentplugin.h>
#include <widget/equipmentwindow.h>
#include <widget/modelinfo.h>

#include <QCloseEvent>
#include <QJsonArray>
#include <QJsonObject>
#include <QMdiArea>
#include <QMetaMethod>
#include <QPluginLoader>
#include <QPointer>

#include <memory>

using namespace rilo::widget;

Q_DECLARE_METATYPE(QList<UpdateInfo>)

namespace {

UpdateInfo update(int year, int month, int day, const QString &version)
{
    return UpdateInfo(QDate(year, month, day), version, {QStringLiteral("note ") + version});
}

QStringList versions(const QList<UpdateInfo> &infos)
{
    QStringList result;
    for (const UpdateInfo &info : infos)
        result.append(info.version);
    return result;
}

// Records every emission of a window's signals; the argument type is not a
// registered meta-type, so the receivers are direct lambdas.
struct WindowSignals
{
    explicit WindowSignals(EquipmentWindow *window)
    {
        QObject::connect(window, &EquipmentWindow::closed,
                         [this](const QSharedPointer<EquipmentInfo> &e) { closed.append(e); });
        QObject::connect(window, &EquipmentWindow::opened,
                         [this](const QSharedPointer<EquipmentInfo> &e) { opened.append(e); });
    }
    QList<QSharedPointer<EquipmentInfo>> closed;
    QList<QSharedPointer<EquipmentInfo>> opened;
};

// A plug-in that only implements the two pure virtual operations.
class MinimalEquipment : public IEquipment
{
public:
    using IEquipment::IEquipment;
    QList<ModelInfo> models() const override { return {ModelInfo(QStringLiteral("M1"), {})}; }
    EquipmentWindow *createWindow(const QSharedPointer<EquipmentInfo> &equipment, QWidget *parent) override
    {
        return new EquipmentWindow(equipment, parent);
    }
};

QSharedPointer<EquipmentInfo> supplyInfo()
{
    return QSharedPointer<EquipmentInfo>(new EquipmentInfo{QStringLiteral("Rilo"), QStringLiteral("SPS-3005"),
                                                           QStringLiteral("SIM-0001"), QStringLiteral("1.10"),
                                                           QStringLiteral("SIM::SUPPLY0::INSTR")});
}

} // namespace

class TestEquipment : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void latestUpdateOfEmptyHistoryIsNull();
    void constructorKeepsOrderSetUpdateInfosSortsByDate();
    void addUpdateInfoSortsByDateThenVersion_data();
    void addUpdateInfoSortsByDateThenVersion();
    void setUpdateInfosLeavesCallersListAlone();
    void copiesOfAModelAreIndependent();

    void createOfBaseReturnsNull_data();
    void createOfBaseReturnsNull();
    void windowHoldsEquipmentUntilDestroyed();
    void closeEmitsClosedOnceAndIsAccepted();
    void closeWithNullEquipmentEmitsNull();
    void constructionAndShowEmitNothing();
    void closedWindowShowsAgainAndClosesAgain();
    void signalsAreInOrderWithUnnamedParameter();

    void examplePluginLoadsAndOpensEquipment();
    void examplePluginRefusesUnknownEquipment();
};

void TestEquipment::latestUpdateOfEmptyHistoryIsNull()
{
    ModelInfo model(QStringLiteral("SPS-3005"), {});
    QCOMPARE(model.latestUpdate(), nullptr);
    model.setUpdateInfos({});
    QCOMPARE(model.latestUpdate(), nullptr);
    QCOMPARE(ModelInfo().latestUpdate(), nullptr);
}

void TestEquipment::constructorKeepsOrderSetUpdateInfosSortsByDate()
{
    const QList<UpdateInfo> history{update(2019, 1, 1, QStringLiteral("1.0")),
                                    update(2020, 5, 1, QStringLiteral("2.0"))};
    ModelInfo model(QStringLiteral("SPS-3005"), {EquipmentViewInfo(QStringLiteral("k"), QStringLiteral("t"), {})},
                    history);
    QVERIFY(model.latestUpdate());
    QCOMPARE(model.latestUpdate()->date, QDate(2019, 1, 1));

    model.setUpdateInfos(history);
    QVERIFY(model.latestUpdate());
    QCOMPARE(model.latestUpdate()->date, QDate(2020, 5, 1));
    QCOMPARE(model.latestUpdate()->notes, QList<QString>{QStringLiteral("note 2.0")});
    // The pointer refers into the model; nothing was copied.
    QCOMPARE(model.latestUpdate(), model.latestUpdate());

    // Adding re-sorts the whole list, also an unsorted one from the constructor.
    ModelInfo unsorted(QStringLiteral("SPS-3005"), {}, history);
    unsorted.addUpdateInfo(update(2019, 6, 1, QStringLiteral("1.5")));
    QCOMPARE(versions(unsorted.updateInfos()), (QStringList{"2.0", "1.5", "1.0"}));
}

void TestEquipment::addUpdateInfoSortsByDateThenVersion_data()
{
    QTest::addColumn<QList<UpdateInfo>>("initial");
    QTest::addColumn<QList<UpdateInfo>>("added");
    QTest::addColumn<QStringList>("expected");

    const UpdateInfo v110 = update(2021, 3, 3, QStringLiteral("1.10"));
    const UpdateInfo v12 = update(2021, 3, 3, QStringLiteral("1.2"));
    QTest::newRow("1.10 then 1.2") << QList<UpdateInfo>{} << QList<UpdateInfo>{v110, v12}
                                   << QStringList{"1.2", "1.10"};
    QTest::newRow("1.2 then 1.10") << QList<UpdateInfo>{} << QList<UpdateInfo>{v12, v110}
                                   << QStringList{"1.2", "1.10"};
    QTest::newRow("lower case above upper case")
        << QList<UpdateInfo>{} << QList<UpdateInfo>{update(2021, 1, 1, "B"), update(2021, 1, 1, "a")}
        << QStringList{"a", "B"};
    QTest::newRow("date before version")
        << QList<UpdateInfo>{update(2022, 1, 1, "0.9")} << QList<UpdateInfo>{update(2021, 1, 1, "9.9")}
        << QStringList{"0.9", "9.9"};
    QTest::newRow("null date last")
        << QList<UpdateInfo>{update(2020, 1, 1, "old"), update(2023, 1, 1, "new")}
        << QList<UpdateInfo>{UpdateInfo(QDate(), QStringLiteral("undated"))}
        << QStringList{"new", "old", "undated"};
    QTest::newRow("null date with the highest version still last")
        << QList<UpdateInfo>{update(1900, 1, 1, "a")} << QList<UpdateInfo>{UpdateInfo(QDate(), QStringLiteral("z"))}
        << QStringList{"a", "z"};
    QTest::newRow("same entry twice is kept twice")
        << QList<UpdateInfo>{update(2020, 1, 1, "1.0"), update(2024, 1, 1, "3.0")}
        << QList<UpdateInfo>{update(2022, 1, 1, "2.0"), update(2022, 1, 1, "2.0")}
        << QStringList{"3.0", "2.0", "2.0", "1.0"};
}

void TestEquipment::addUpdateInfoSortsByDateThenVersion()
{
    QFETCH(QList<UpdateInfo>, initial);
    QFETCH(QList<UpdateInfo>, added);
    QFETCH(QStringList, expected);

    ModelInfo model(QStringLiteral("SPS-3005"), {}, initial);
    for (const UpdateInfo &info : qAsConst(added))
        model.addUpdateInfo(info);
    QCOMPARE(versions(model.updateInfos()), expected);
    QVERIFY(model.latestUpdate());
    QCOMPARE(model.latestUpdate()->version, expected.first());
}

void TestEquipment::setUpdateInfosLeavesCallersListAlone()
{
    QList<UpdateInfo> list{update(2019, 1, 1, "1.0"), update(2021, 1, 1, "3.0"), update(2020, 1, 1, "2.0")};
    ModelInfo model;
    model.setUpdateInfos(list);
    QCOMPARE(versions(list), (QStringList{"1.0", "3.0", "2.0"}));
    QCOMPARE(versions(model.updateInfos()), (QStringList{"3.0", "2.0", "1.0"}));

    list[1].version = QStringLiteral("changed");
    list.append(update(2030, 1, 1, "9.0"));
    QCOMPARE(versions(model.updateInfos()), (QStringList{"3.0", "2.0", "1.0"}));
}

void TestEquipment::copiesOfAModelAreIndependent()
{
    ModelInfo model(QStringLiteral("A"), {EquipmentViewInfo(QStringLiteral("front"), QStringLiteral("Front"), {})});
    model.setUpdateInfos({update(2020, 1, 1, "1.0")});
    ModelInfo copy = model;
    copy.setName(QStringLiteral("B"));
    copy.addUpdateInfo(update(2021, 1, 1, "2.0"));
    copy.setViewInfos({});
    QCOMPARE(model.name(), QStringLiteral("A"));
    QCOMPARE(versions(model.updateInfos()), QStringList{"1.0"});
    QCOMPARE(model.viewInfos().size(), 1);
    QCOMPARE(model.viewInfos().first().key, QStringLiteral("front"));
    QCOMPARE(versions(copy.updateInfos()), (QStringList{"2.0", "1.0"}));
}

void TestEquipment::createOfBaseReturnsNull_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("specification");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("model name") << QStringLiteral("M1") << QStringLiteral("SIM::SUPPLY0::INSTR");
    QTest::newRow("qt generic key") << QStringLiteral("evdevmouse") << QStringLiteral("/dev/input/event0");
}

void TestEquipment::createOfBaseReturnsNull()
{
    QFETCH(QString, key);
    QFETCH(QString, specification);
    MinimalEquipment plugin;
    QCOMPARE(plugin.create(key, specification), nullptr);
    QCOMPARE(plugin.children().size(), 0);

    QObject parent;
    QPointer<MinimalEquipment> child = new MinimalEquipment(&parent);
    QCOMPARE(child->parent(), &parent);
    QVERIFY(qobject_cast<IEquipment *>(child.data()));
    QVERIFY(child->inherits("QGenericPlugin"));
}

void TestEquipment::windowHoldsEquipmentUntilDestroyed()
{
    bool deleted = false;
    QSharedPointer<EquipmentInfo> equipment(new EquipmentInfo, [&deleted](EquipmentInfo *e) {
        deleted = true;
        delete e;
    });
    EquipmentInfo *raw = equipment.data();
    QWeakPointer<EquipmentInfo> weak = equipment;

    auto window = std::make_unique<EquipmentWindow>(equipment);
    QCOMPARE(window->equipment().data(), raw);
    QVERIFY(window->equipment() == equipment);
    QVERIFY(!window->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(window->widget(), nullptr);

    equipment.reset();
    QVERIFY(!deleted); // the window's reference keeps the record alive
    QVERIFY(!weak.isNull());
    window->close(); // closing does not release it
    QVERIFY(!deleted);

    window.reset();
    QVERIFY(deleted);
    QVERIFY(weak.isNull());
}

void TestEquipment::closeEmitsClosedOnceAndIsAccepted()
{
    QMdiArea area;
    auto *window = new EquipmentWindow(supplyInfo());
    area.addSubWindow(window);
    WindowSignals seen(window);
    area.show();
    QVERIFY(window->isVisible());

    QVERIFY(window->close());
    QCOMPARE(seen.closed.size(), 1);
    QVERIFY(seen.closed.first() == window->equipment());
    QCOMPARE(seen.closed.first()->serialNumber, QStringLiteral("SIM-0001"));
    QVERIFY(seen.opened.isEmpty());
    QVERIFY(!window->isVisible());

    // A synthesised close event is marked accepted even when it arrives ignored.
    QCloseEvent event;
    event.ignore();
    QApplication::sendEvent(window, &event);
    QVERIFY(event.isAccepted());
    QCOMPARE(seen.closed.size(), 2);
}

void TestEquipment::closeWithNullEquipmentEmitsNull()
{
    EquipmentWindow window{QSharedPointer<EquipmentInfo>()};
    WindowSignals seen(&window);
    QVERIFY(window.equipment().isNull());
    window.show();
    QVERIFY(window.close());
    QCOMPARE(seen.closed.size(), 1);
    QVERIFY(seen.closed.first().isNull());
}

void TestEquipment::constructionAndShowEmitNothing()
{
    QMdiArea area;
    auto equipment = supplyInfo();
    QPointer<EquipmentWindow> window = new EquipmentWindow(equipment, nullptr, Qt::SubWindow);
    WindowSignals seen(window);
    area.addSubWindow(window);
    area.show();
    window->showMaximized();
    QTest::qWait(10);
    QVERIFY(seen.closed.isEmpty());
    QVERIFY(seen.opened.isEmpty());
    // The area owns its sub-window, and with it the window's reference.
    QCOMPARE(window->parentWidget(), area.viewport());
}

void TestEquipment::closedWindowShowsAgainAndClosesAgain()
{
    auto equipment = supplyInfo();
    EquipmentWindow window(equipment);
    WindowSignals seen(&window);
    window.show();
    window.close();
    window.show();
    QVERIFY(window.isVisible());
    QVERIFY(window.equipment() == equipment);
    window.close();
    QCOMPARE(seen.closed.size(), 2);
    QVERIFY(seen.closed.at(1) == equipment);
}

void TestEquipment::signalsAreInOrderWithUnnamedParameter()
{
    const QMetaObject &mo = EquipmentWindow::staticMetaObject;
    QCOMPARE(mo.className(), "rilo::widget::EquipmentWindow");
    QCOMPARE(mo.methodCount() - mo.methodOffset(), 2);
    const QMetaMethod closed = mo.method(mo.methodOffset());
    const QMetaMethod opened = mo.method(mo.methodOffset() + 1);
    QCOMPARE(closed.methodType(), QMetaMethod::Signal);
    QCOMPARE(opened.methodType(), QMetaMethod::Signal);
    QCOMPARE(closed.name(), QByteArray("closed"));
    QCOMPARE(opened.name(), QByteArray("opened"));
    QCOMPARE(closed.parameterCount(), 1);
    QCOMPARE(closed.parameterNames(), QList<QByteArray>{QByteArray()});
    QCOMPARE(opened.parameterNames(), QList<QByteArray>{QByteArray()});
    QVERIFY(closed.parameterTypes().first().contains("QSharedPointer<rilo::widget::EquipmentInfo>"));

    const QMetaObject &plugin = IEquipment::staticMetaObject;
    QCOMPARE(plugin.className(), "rilo::widget::IEquipment");
    QCOMPARE(plugin.superClass(), &QGenericPlugin::staticMetaObject);
    QCOMPARE(plugin.methodCount() - plugin.methodOffset(), 0);
}

void TestEquipment::examplePluginLoadsAndOpensEquipment()
{
    QPluginLoader loader(QStringLiteral(RILO_TEST_EQUIPMENT_PLUGIN));
    QCOMPARE(loader.metaData().value(QStringLiteral("IID")).toString(), QStringLiteral(RILO_WIDGET_EQUIPMENT_IID));
    QCOMPARE(loader.metaData().value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray(),
             QJsonArray{QStringLiteral("SPS-3005")});
    QPointer<QObject> root = loader.instance();
    QVERIFY2(root, qPrintable(loader.errorString()));
    auto *plugin = qobject_cast<IEquipment *>(root.data());
    QVERIFY(plugin);
    QCOMPARE(plugin->create(QStringLiteral("SPS-3005"), QString()), nullptr);

    const QList<ModelInfo> models = plugin->models();
    QCOMPARE(models.size(), 1);
    QCOMPARE(models.first().name(), QStringLiteral("SPS-3005"));
    QCOMPARE(models.first().viewInfos().size(), 1);
    QVERIFY(models.first().latestUpdate());
    QCOMPARE(models.first().latestUpdate()->version, QStringLiteral("1.10"));
    QCOMPARE(models.first().latestUpdate()->date, QDate(2026, 9, 1));

    {
        auto equipment = supplyInfo();
        QMdiArea area;
        QPointer<EquipmentWindow> window = plugin->createWindow(equipment, nullptr);
        QVERIFY(window);
        QVERIFY(window->widget());
        QVERIFY(window->equipment() == equipment);
        QVERIFY(window->windowTitle().contains(QStringLiteral("SIM-0001")));
        WindowSignals seen(window);
        area.addSubWindow(window);
        area.show();
        // The example window reports that it opened its equipment when first shown, once.
        QCOMPARE(seen.opened.size(), 1);
        QVERIFY(seen.opened.first() == equipment);
        window->hide();
        window->show();
        QCOMPARE(seen.opened.size(), 1);
        window->close();
        QCOMPARE(seen.closed.size(), 1);
        QVERIFY(seen.closed.first() == equipment);
    }

    // Unloading deletes the plug-in's main object.
    QVERIFY(loader.unload());
    QVERIFY(root.isNull());
}

void TestEquipment::examplePluginRefusesUnknownEquipment()
{
    QPluginLoader loader(QStringLiteral(RILO_TEST_EQUIPMENT_PLUGIN));
    auto *plugin = qobject_cast<IEquipment *>(loader.instance());
    QVERIFY2(plugin, qPrintable(loader.errorString()));
    QCOMPARE(plugin->createWindow(QSharedPointer<EquipmentInfo>(), nullptr), nullptr);
    auto other = supplyInfo();
    other->model = QStringLiteral("sps-3005"); // model names compare exactly
    QCOMPARE(plugin->createWindow(other, nullptr), nullptr);
    QVERIFY(loader.unload());
}

QTEST_MAIN(TestEquipment)
#include "tst_equipment.moc"
