// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the window utilities: finding objects by class, and flashing a window.
#include "testsupport.h"

#include <widget/ccheckbox.h>
#include <widget/ccombobox.h>
#include <widget/widgethelper.h>
#include <widget/windowflash.h>

using namespace rilo::widget;

// What reached a flash backend ("handle/flags/count/interval") or QWindow::alert() ("handle/duration").
static QStringList sent;

// On ELF platforms this definition takes the place of Qt's: the test sees each alert the platform code asks for.
void QWindow::alert(int msec)
{
    sent << QStringLiteral("%1/%2").arg(winId()).arg(msec);
}

static const auto make = [](auto *object, const char *name) {
    object->setObjectName(QLatin1String(name));
    return object;
};

class TestUtil : public QObject, WindowFlash::Backend
{
    Q_OBJECT
    void flash(const WindowFlash::Request &r) override
    {
        sent << QStringLiteral("%1/%2/%3/%4").arg(r.window).arg(r.flags).arg(r.count).arg(r.interval);
    }

private Q_SLOTS:
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // "from|class names|recursive|found": from the root widget or its layout "outer", the names found.
    void getChildrenFindsByClass_data()
    {
        rilotest::rows(
            {"root||0|outer timer group caption frame output",
             "root||1|outer nested loop timer group groupLayout edit action caption frame files inner output",
             "root|QTimer QFrame|1|timer caption frame inner", "root|rilo::widget::CComboBox QComboBox|1|files output",
             "root|CComboBox qlabel|1|", "root|QLayout|1|outer nested loop groupLayout", "root|QLineEdit|0|",
             "outer||0|group", "outer||1|group groupLayout edit action frame files inner",
             "outer|QLabel QLineEdit QBoxLayout|1|groupLayout edit inner"});
    }
    void getChildrenFindsByClass()
    {
        const QStringList row = QString(QTest::currentDataTag()).split('|');
        QWidget root;
        auto *outer = make(new QVBoxLayout(&root), "outer");
        auto *nested = make(new QHBoxLayout, "nested");
        make(new QTimer(&root), "timer");
        auto *group = make(new QGroupBox(&root), "group");
        make(new QHBoxLayout(group), "groupLayout")->addWidget(make(new QLineEdit(group), "edit"));
        make(new QAction(group), "action");
        make(new QLabel(&root), "caption");
        auto *frame = make(new QFrame(&root), "frame");
        outer->addWidget(group);
        outer->addSpacing(10);
        outer->addLayout(nested);
        nested->addWidget(frame);
        nested->addStretch();
        make(new QLabel(make(new CComboBox(frame), "files")), "inner");
        make(new CCheckbox(&root), "output");
        auto *loop = make(new QHBoxLayout, "loop"); // nested -> loop -> nested, as addItem() allows
        nested->addLayout(loop);
        loop->addItem(nested);
        const QStringList names = row[1].split(' ', Qt::SkipEmptyParts);
        const bool recursive = row[2] == "1";
        const QList<QObject *> result = row[0] == "outer" ? WidgetHelper::getChildren(outer, names, recursive)
                                                          : WidgetHelper::getChildren(&root, names, recursive);
        QStringList found;
        for (QObject *object : result)
            found << object->objectName();
        found.removeAll(QString()); // helpers inside Qt's widgets
        loop->takeAt(0);
        QCOMPARE(found.join(' '), row[3]);
    }

    // The top main window; a chain deeper than a call stack holds, then circular: each found once; null finds none.
    void searchesEndOnDeepAndCircularTrees()
    {
        QDialog dialog;
        QCOMPARE(WidgetHelper::getTopMainWindow(), nullptr); // a dialog is no main window
        QMainWindow window;
        QCOMPARE(WidgetHelper::getTopMainWindow(), &window);
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

    // "widget|calls|sent": what reached the backend ("w" the widget's handle), the destructor's stop too; the alerts.
    void flashRequests_data()
    {
        rilotest::rows({"widget|start stop start|w/7/0/0 w/0/0/0 w/7/0/0 w/0/0/0",
                        "widget|once:249 once:250 once:749 once:750 once:10000 once:4294967295 start|"
                        "w/7/0/500 w/7/1/500 w/7/1/500 w/7/2/500 w/7/20/500 w/7/8589935/500 w/7/0/0 w/0/0/0",
                        "null|start once:1000 stop|0/0/0/0 0/0/0/0",
                        "widget|start closed start once:1000 stop|w/7/0/0 w/0/0/0 w/0/0/0",
                        "platform|start stop once:1000 once:4294967295|w/0 w/1000 w/2147483647"});
    }
    void flashRequests()
    {
        const QStringList row = QString(QTest::currentDataTag()).split('|');
        QWidget other; // a native window that is not flashed
        QPointer<QWidget> window = row[0] == "null" ? nullptr : new QWidget;
        QString handle;
        sent.clear();
        {
            WindowFlash flash(window, row[0] == "platform" ? nullptr : this);
            other.winId(); // made after the flashed one, so that it comes first in QGuiApplication::allWindows()
            handle = window ? QString::number(window->internalWinId()) : QStringLiteral("-"); // made at construction
            QVERIFY(handle != "0" && sent.isEmpty());
            for (const QString &call : row[1].split(' ')) {
                if (call == "closed")
                    window->setAttribute(Qt::WA_DeleteOnClose), window->close();
                else if (call.startsWith("once:"))
                    flash.startOnce(call.mid(5).toUInt());
                else
                    call == "start" ? flash.start() : flash.stop();
                QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
        QCOMPARE(sent.join(' ').replace(QRegularExpression("(^| )" + handle + '/'), "\\1w/"), row[2]);
        delete window.data();
    }
};

QTEST_MAIN(TestUtil)
#include "tst_util.moc"
