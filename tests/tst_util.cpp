// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the window utilities: finding objects by class, and flashing a window.
#include "testsupport.h"

#include <widget/ccheckbox.h>
#include <widget/ccombobox.h>
#include <widget/widgethelper.h>
#include <widget/windowflash.h>

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

using namespace rilo::widget;

static QStringList alerts; // "handle/duration" of each QWindow::alert() call

// Link seam: the test program's definition takes the place of Qt's for the
// library's calls (ELF symbol interposition), so that the test sees each
// alert that the platform code asks for; Qt's own shows nothing offscreen.
void QWindow::alert(int msec)
{
    alerts << QStringLiteral("%1/%2").arg(winId()).arg(msec);
}

template <typename T>
static T *make(QWidget *parent, const char *name)
{
    T *object = new T(parent);
    object->setObjectName(QLatin1String(name));
    return object;
}

class TestUtil : public QObject, WindowFlash::Backend
{
    Q_OBJECT
    QStringList requests;
    void flash(const WindowFlash::Request &r) override
    {
        requests << QStringLiteral("%1/%2/%3/%4").arg(r.window).arg(r.flags).arg(r.count).arg(r.interval);
    }

private Q_SLOTS:
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void topMainWindowIgnoresDialogs()
    {
        QDialog dialog;
        QCOMPARE(WidgetHelper::getTopMainWindow(), nullptr);
        const std::unique_ptr<QMainWindow> window(new QMainWindow);
        QCOMPARE(WidgetHelper::getTopMainWindow(), window.get());
    }

    // From the root widget, or from its layout "outer" (items: group, a
    // spacing, a nested layout with frame and a stretch): the names found.
    void getChildrenFindsByClass_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("classNames");
        QTest::addColumn<bool>("recursive");
        QTest::addColumn<QString>("found");
        QTest::newRow("children") << "root"
                                  << "" << false << "outer timer group caption frame output";
        QTest::newRow("pre-order")
            << "root"
            << "" << true << "outer nested timer group groupLayout edit action caption frame inner files output";
        QTest::newRow("base class, names in tree order") << "root"
                                                         << "QTimer QFrame" << true << "timer caption frame inner";
        QTest::newRow("qualified library class") << "root"
                                                 << "rilo::widget::CComboBox QComboBox" << true << "files output";
        QTest::newRow("exact names only") << "root"
                                          << "CComboBox qlabel" << true << "";
        QTest::newRow("layouts") << "root"
                                 << "QLayout" << true << "outer nested groupLayout";
        QTest::newRow("grandchild") << "root"
                                    << "QLineEdit" << false << "";
        QTest::newRow("layout's own items") << "outer"
                                            << "" << false << "group";
        QTest::newRow("layout, nested in place") << "outer"
                                                 << "" << true << "group groupLayout edit action frame inner files";
        QTest::newRow("layout, not its own layouts")
            << "outer"
            << "QLabel QLineEdit QBoxLayout" << true << "groupLayout edit inner";
    }
    void getChildrenFindsByClass()
    {
        QFETCH(QString, from);
        QFETCH(QString, classNames);
        QFETCH(bool, recursive);
        QWidget root;
        auto *outer = make<QVBoxLayout>(&root, "outer");
        auto *nested = make<QHBoxLayout>(nullptr, "nested");
        make<QTimer>(&root, "timer");
        auto *group = make<QGroupBox>(&root, "group");
        make<QHBoxLayout>(group, "groupLayout")->addWidget(make<QLineEdit>(group, "edit"));
        make<QAction>(group, "action");
        make<QLabel>(&root, "caption");
        auto *frame = make<QFrame>(&root, "frame");
        outer->addWidget(group);
        outer->addSpacing(10);
        outer->addLayout(nested);
        nested->addWidget(frame);
        nested->addStretch();
        make<QLabel>(frame, "inner");
        make<CComboBox>(frame, "files");
        make<CCheckbox>(&root, "output");
        const QStringList names = classNames.split(' ', Qt::SkipEmptyParts);
        const QList<QObject *> result = from == "outer" ? WidgetHelper::getChildren(outer, names, recursive)
                                                        : WidgetHelper::getChildren(&root, names, recursive);
        QStringList found;
        for (QObject *object : result)
            found << object->objectName();
        found.removeAll(QString()); // helpers inside Qt's widgets
        QTEST(found.join(' '), "found");
    }

    // A chain deeper than a call stack holds, then made circular: each object is found once; null finds none.
    void searchesEndOnDeepAndCircularTrees()
    {
        QVERIFY(WidgetHelper::getChildren(static_cast<QObject *>(nullptr), {}, true).isEmpty()
                && WidgetHelper::getChildren(static_cast<QLayout *>(nullptr), {}, true).isEmpty());
        QVector<QObject *> chain{new QObject};
        for (int i = 0; i < 200000; ++i)
            chain << new QObject(chain.last());
        QCOMPARE(WidgetHelper::getChildren(chain[0], {}, true).size(), 200000);
        chain[0]->setParent(chain[2]); // 0 -> 1 -> 2 -> 0, and on from 2 to the end
        QCOMPARE(WidgetHelper::getChildren(chain[1], {"QObject"}, true).size(), 200000);
        chain[0]->setParent(nullptr);
        while (!chain.isEmpty()) // Qt's own destructors recurse
            delete chain.takeLast();
    }

    // Calls, then what reached the backend, the destructor's stop included
    // ("handle/flags/count/interval", "w" the widget's handle), or without a
    // backend ("platform") the window alerts.
    void flashRequests_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("calls");
        QTest::addColumn<QString>("sent");
        QTest::newRow("start, stop, start") << "widget"
                                            << "start stop start"
                                            << "w/7/0/0 w/0/0/0 w/7/0/0 w/0/0/0";
        QTest::newRow("once, rounded")
            << "widget"
            << "once:249 once:250 once:749 once:750 once:10000 once:4294967295 start"
            << "w/7/0/500 w/7/1/500 w/7/1/500 w/7/2/500 w/7/20/500 w/7/8589935/500 w/7/0/0 w/0/0/0";
        QTest::newRow("null widget") << "null"
                                     << "start once:1000 stop"
                                     << "0/0/0/0 0/0/0/0";
        QTest::newRow("window closed for good") << "widget"
                                                << "start closed start once:1000 stop"
                                                << "w/7/0/0 w/0/0/0 w/0/0/0";
        QTest::newRow("platform") << "platform"
                                  << "start stop once:1000 once:4294967295"
                                  << "w/0 w/1000 w/2147483647";
    }
    void flashRequests()
    {
        QFETCH(QString, widget);
        QFETCH(QString, calls);
        QWidget other; // a native window that is not flashed
        QPointer<QWidget> window = widget == "null" ? nullptr : new QWidget;
        QString handle = QStringLiteral("-");
        requests.clear(), alerts.clear();
        {
            WindowFlash flash(window, widget == "platform" ? nullptr : this);
            other.winId(); // made after the flashed one, so that it comes first in QGuiApplication::allWindows()
            if (window)
                handle = QString::number(window->internalWinId()); // made at construction
            QVERIFY(handle != "0" && requests.isEmpty() && alerts.isEmpty());
            for (const QString &call : calls.split(' ')) {
                if (call == "closed")
                    window->setAttribute(Qt::WA_DeleteOnClose), window->close();
                QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                if (call != "closed")
                    call == "start"  ? flash.start()
                    : call == "stop" ? flash.stop()
                                     : flash.startOnce(call.mid(5).toUInt());
            }
        }
        const QStringList sent = requests + alerts;
        QTEST(sent.join(' ').replace(QRegularExpression("(^| )" + handle + '/'), "\\1w/"), "sent");
        delete window.data();
    }
};

QTEST_MAIN(TestUtil)
#include "tst_util.moc"
