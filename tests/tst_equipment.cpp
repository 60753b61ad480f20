// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the equipment records, the plug-in interface and the equipment window.
#include "testsupport.h"

#include <widget/equipmentplugin.h>
#include <widget/equipmentwindow.h>
#include <widget/modelinfo.h>

using namespace rilo::widget;

class TestEquipment : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // "version@date ...#constructed|set|added": given at construction, the order is kept; setUpdateInfos() sorts by
    // date, newest first, a null date last; addUpdateInfo() also by version, higher first. "*": no order promised.
    void updateHistoryOrder_data()
    {
        rilotest::rows({"1.0@2019-01-01 3.0@2021-01-01 2.0@2020-01-01#1.0 3.0 2.0|3.0 2.0 1.0|3.0 2.0 1.0",
                        "1.10@2021-03-03 1.2@2021-03-03 B@2021-03-03 a@2021-03-03#1.10 1.2 B a|*|a B 1.2 1.10",
                        "z@ a@1900-01-01 new@2023-01-01#z a new|new a z|new a z",
                        "2.0@2022-01-01 1.0@2020-01-01 2.0@2022-01-01#2.0 1.0 2.0|2.0 2.0 1.0|2.0 2.0 1.0"});
    }
    void updateHistoryOrder()
    {
        const QString given = QString(QTest::currentDataTag()).section('#', 0, 0),
                      order = QString(QTest::currentDataTag()).section('#', 1);
        QList<UpdateInfo> list;
        for (const QString &entry : given.split(' ', Qt::SkipEmptyParts))
            list << UpdateInfo(QDate::fromString(entry.section('@', 1), Qt::ISODate), entry.section('@', 0, 0),
                               {entry});
        ModelInfo models[3] = {{QStringLiteral("SPS-3005"), {}, list}, {}, {}};
        models[1].setUpdateInfos(list);
        for (const UpdateInfo &info : list)
            models[2].addUpdateInfo(info);
        for (int i = 0; i < 3; ++i) {
            QStringList seen;
            for (const UpdateInfo &info : models[i].updateInfos())
                seen << info.version;
            QCOMPARE(order.section('|', i, i) == "*" ? "*" : seen.join(' '), order.section('|', i, i));
            QCOMPARE(models[i].latestUpdate() ? models[i].latestUpdate()->version : QString(), seen.value(0));
        }
    }

    void recordsCompareMemberByMember()
    {
        const UpdateInfo u(QDate(2020, 1, 1), QStringLiteral("1.0"), {QStringLiteral("note")});
        const EquipmentViewInfo v(QStringLiteral("front"), QStringLiteral("Front"), QStringLiteral(":/front.png"));
        UpdateInfo us[] = {u, u, u, u}; // each differs in one member, but the first
        EquipmentViewInfo vs[] = {v, v, v, v};
        us[1].date = QDate(), us[2].version += 'x', us[3].notes.clear(), vs[1].key += 'x', vs[2].title += 'x';
        vs[3].iconPath.clear();
        for (int i = 0; i < 4; ++i)
            QVERIFY((us[i] == u) == !i && (us[i] != u) == !!i && (vs[i] == v) == !i && (vs[i] != v) == !!i);
    }

    // The window reports its first showing and every close, accepted; it keeps its equipment until destroyed.
    void examplePluginWindowLifecycle()
    {
        QPluginLoader loader(QStringLiteral(RILO_TEST_EQUIPMENT_PLUGIN));
        QPointer<QObject> root = loader.instance();
        auto *plugin = qobject_cast<IEquipment *>(root.data());
        QVERIFY2(plugin, qPrintable(loader.errorString()));
        QCOMPARE(plugin->create(QStringLiteral("SPS-3005"), QString()), nullptr);
        auto equipment = QSharedPointer<EquipmentInfo>::create(EquipmentInfo{"Rilo", "SPS-3005", "SIM-0001", "", ""});
        const QWeakPointer<EquipmentInfo> weak = equipment;
        QStringList seen;
        {
            const std::unique_ptr<EquipmentWindow> window(plugin->createWindow(equipment, nullptr));
            for (auto signal : {&EquipmentWindow::opened, &EquipmentWindow::closed})
                connect(window.get(), signal, [&seen, signal, &window](const QSharedPointer<EquipmentInfo> &e) {
                    seen << (signal == &EquipmentWindow::opened ? "opened " : "closed ") + e->serialNumber
                                + (e == window->equipment() ? "" : " not its own");
                });
            window->show();
            QVERIFY(window->close() && !window->isVisible());
            QCloseEvent event;
            event.ignore();
            QApplication::sendEvent(window.get(), &event);
            QVERIFY(event.isAccepted());
            equipment.reset();
            QVERIFY(!weak.isNull()); // the window's reference
        }
        QCOMPARE(seen, QStringList({"opened SIM-0001", "closed SIM-0001", "closed SIM-0001"}));
        QVERIFY(weak.isNull());
        QVERIFY(loader.unload() && root.isNull());
    }
};

QTEST_MAIN(TestEquipment)
#include "tst_equipment.moc"
