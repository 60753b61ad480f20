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
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

using namespace rilo::widget;

namespace {

class AppWindow : public QMainWindow
{
    Q_OBJECT
};

// Records every request that would reach the platform.
class RecordingBackend : public WindowFlash::Backend
{
public:
    void flash(const WindowFlash::Request &request) override { requests.append(request); }
    QList<WindowFlash::Request> requests;
};

// A small form whose object tree is known exactly:
//
//   root
//     timer        (QTimer)
//     group        (QGroupBox)
//       groupLayout  (QHBoxLayout)
//       edit         (QLineEdit, managed by groupLayout)
//       action       (QAction)
//     caption      (QLabel)
//     frame        (QFrame)
//       inner        (QLabel)
struct Form
{
    Form()
        : root(new QWidget)
    {
        timer = new QTimer(root.get());
        group = new QGroupBox(root.get());
        groupLayout = new QHBoxLayout(group);
        edit = new QLineEdit(group);
        groupLayout->addWidget(edit);
        action = new QAction(group);
        caption = new QLabel(root.get());
        frame = new QFrame(root.get());
        inner = new QLabel(frame);
    }

    std::unique_ptr<QWidget> root;
    QTimer *timer;
    QGroupBox *group;
    QHBoxLayout *groupLayout;
    QLineEdit *edit;
    QAction *action;
    QLabel *caption;
    QFrame *frame;
    QLabel *inner;
};

} // namespace

class TestUtil : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // WidgetHelper
    void topMainWindowIgnoresDialogs();
    void childrenOfObjectInPreOrder();
    void childrenMatchByExactQualifiedName_data();
    void childrenMatchByExactQualifiedName();
    void lineEditInGroupBoxFoundOnlyRecursively();
    void widgetClassFindsEveryWidgetButNoLayouts();
    void nullObjectAndLayoutGiveEmptyLists();
    void layoutFormDescendsIntoNestedLayouts();

    // WindowFlash
    void constructionCreatesNativeWindow();
    void startStopStartSendsFlashTwice();
    void startOnceRoundsToHalfSecondFlashes_data();
    void startOnceRoundsToHalfSecondFlashes();
    void destructorSendsOneStop();
    void nullWidgetSendsOnlyStops();
};

void TestUtil::topMainWindowIgnoresDialogs()
{
    QCOMPARE(WidgetHelper::getTopMainWindow(), nullptr);
    {
        QDialog dialog;
        QDialog other;
        QCOMPARE(WidgetHelper::getTopMainWindow(), nullptr);

        AppWindow window;
        QCOMPARE(WidgetHelper::getTopMainWindow(), &window);
    }
    QCOMPARE(WidgetHelper::getTopMainWindow(), nullptr);
}

void TestUtil::childrenOfObjectInPreOrder()
{
    Form form;
    const QList<QObject *> direct = WidgetHelper::getChildren(form.root.get(), {}, false);
    QCOMPARE(direct, form.root->children());
    QCOMPARE(direct, (QList<QObject *>{form.timer, form.group, form.caption, form.frame}));

    const QList<QObject *> all = WidgetHelper::getChildren(form.root.get(), {}, true);
    // Each child comes before its own descendants, which come before the next
    // child; the line edit's internal helpers follow the line edit.
    const QList<QObject *> expected = QList<QObject *>{form.timer, form.group, form.groupLayout, form.edit}
                                      + form.edit->children()
                                      + QList<QObject *>{form.action, form.caption, form.frame, form.inner};
    QVERIFY(!form.edit->children().isEmpty());
    QCOMPARE(all, expected);
    QCOMPARE(all.size(), form.root->findChildren<QObject *>().size());
}

void TestUtil::childrenMatchByExactQualifiedName_data()
{
    QTest::addColumn<QStringList>("classNames");
    QTest::addColumn<QStringList>("expected"); // object names, in result order

    QTest::newRow("own class") << QStringList{"QLabel"} << QStringList{"caption", "inner"};
    QTest::newRow("base class") << QStringList{"QFrame"} << QStringList{"caption", "frame", "inner"};
    QTest::newRow("two names keep tree order") << QStringList{"QTimer", "QLabel"}
                                               << QStringList{"timer", "caption", "inner"};
    QTest::newRow("qualified library class") << QStringList{"rilo::widget::CComboBox"} << QStringList{"files"};
    QTest::newRow("unqualified library class") << QStringList{"CComboBox"} << QStringList();
    QTest::newRow("library class through Qt base") << QStringList{"QComboBox"} << QStringList{"files", "output"};
    QTest::newRow("wrong case") << QStringList{"qlabel"} << QStringList();
    QTest::newRow("not a class") << QStringList{"caption"} << QStringList();
    QTest::newRow("layouts too") << QStringList{"QLayout"} << QStringList{"groupLayout"};
}

void TestUtil::childrenMatchByExactQualifiedName()
{
    QFETCH(QStringList, classNames);
    QFETCH(QStringList, expected);

    Form form;
    form.timer->setObjectName(QStringLiteral("timer"));
    form.groupLayout->setObjectName(QStringLiteral("groupLayout"));
    form.caption->setObjectName(QStringLiteral("caption"));
    form.frame->setObjectName(QStringLiteral("frame"));
    form.inner->setObjectName(QStringLiteral("inner"));
    auto *files = new CComboBox(form.frame);
    files->setObjectName(QStringLiteral("files"));
    auto *output = new CCheckbox(form.root.get());
    output->setObjectName(QStringLiteral("output"));

    QStringList found;
    const QList<QObject *> result = WidgetHelper::getChildren(form.root.get(), classNames, true);
    for (QObject *o : result)
        found.append(o->objectName());
    QCOMPARE(found, expected);
}

void TestUtil::lineEditInGroupBoxFoundOnlyRecursively()
{
    Form form;
    QVERIFY(WidgetHelper::getChildren(form.root.get(), {"QLineEdit"}, false).isEmpty());
    QCOMPARE(WidgetHelper::getChildren(form.root.get(), {"QLineEdit"}, true), QList<QObject *>{form.edit});
    // Through the form's layout-free tree as well as through the group's layout.
    QCOMPARE(WidgetHelper::getChildren(form.groupLayout, {"QLineEdit"}, false), QList<QObject *>{form.edit});
}

void TestUtil::widgetClassFindsEveryWidgetButNoLayouts()
{
    Form form;
    new CComboBox(form.frame);
    new CCheckbox(form.group);
    const QList<QObject *> result = WidgetHelper::getChildren(form.root.get(), {"QWidget"}, true);
    QSet<QObject *> expected;
    for (QWidget *w : form.root->findChildren<QWidget *>())
        expected.insert(w);
    QCOMPARE(result.size(), expected.size());
    for (QObject *o : result) {
        QVERIFY(o->isWidgetType());
        QVERIFY(expected.contains(o));
    }
    QVERIFY(!result.contains(form.groupLayout));
    QVERIFY(!result.contains(form.timer));
}

void TestUtil::nullObjectAndLayoutGiveEmptyLists()
{
    QVERIFY(WidgetHelper::getChildren(static_cast<QObject *>(nullptr), {}, true).isEmpty());
    QVERIFY(WidgetHelper::getChildren(static_cast<QLayout *>(nullptr), {}, true).isEmpty());
    QVERIFY(WidgetHelper::getChildren(static_cast<QObject *>(nullptr), {"QWidget"}, false).isEmpty());
}

void TestUtil::layoutFormDescendsIntoNestedLayouts()
{
    QWidget root;
    auto *outer = new QVBoxLayout(&root);
    auto *first = new QGroupBox(&root);
    auto *firstChild = new QLabel(first);
    outer->addWidget(first);
    outer->addSpacing(10);
    auto *nested = new QHBoxLayout;
    outer->addLayout(nested);
    auto *second = new QFrame(&root);
    auto *secondChild = new QLabel(second);
    nested->addWidget(second);
    nested->addStretch(1);

    QCOMPARE(WidgetHelper::getChildren(outer, {}, false), QList<QObject *>{first});
    QCOMPARE(WidgetHelper::getChildren(outer, {}, true),
             (QList<QObject *>{first, firstChild, second, secondChild}));
    QCOMPARE(WidgetHelper::getChildren(outer, {"QLabel"}, true), (QList<QObject *>{firstChild, secondChild}));
    QCOMPARE(WidgetHelper::getChildren(outer, {"QGroupBox", "QFrame"}, false), QList<QObject *>{first});
    // Nested layouts themselves are never listed, whatever the names ask for.
    QVERIFY(WidgetHelper::getChildren(outer, {"QLayout", "QHBoxLayout"}, true).isEmpty());
}

void TestUtil::constructionCreatesNativeWindow()
{
    QWidget widget;
    QCOMPARE(widget.internalWinId(), WId(0));
    RecordingBackend backend;
    {
        WindowFlash flash(&widget, &backend);
        QVERIFY(widget.internalWinId() != 0);
        QVERIFY(backend.requests.isEmpty()); // nothing flashes yet
        flash.start();
        QCOMPARE(backend.requests.size(), 1);
        QCOMPARE(backend.requests.first().window, quintptr(widget.winId()));
    }
}

void TestUtil::startStopStartSendsFlashTwice()
{
    QWidget widget;
    RecordingBackend backend;
    WindowFlash flash(&widget, &backend);
    flash.startOnce(3000);
    flash.start();
    flash.stop();
    flash.start();
    const auto &r = backend.requests;
    QCOMPARE(r.size(), 4);
    // start() resets what startOnce() set.
    QCOMPARE(r.at(1).flags, 7u);
    QCOMPARE(r.at(1).count, 0u);
    QCOMPARE(r.at(1).interval, 0u);
    QCOMPARE(r.at(2).flags, 0u);
    QCOMPARE(r.at(3).flags, 7u);
    QCOMPARE(r.at(3).count, 0u);
    QCOMPARE(r.at(3).interval, 0u);
    for (const WindowFlash::Request &request : r)
        QCOMPARE(request.window, quintptr(widget.winId()));
}

void TestUtil::startOnceRoundsToHalfSecondFlashes_data()
{
    QTest::addColumn<uint>("milliseconds");
    QTest::addColumn<uint>("count");
    QTest::newRow("0") << 0u << 0u;
    QTest::newRow("249") << 249u << 0u;
    QTest::newRow("250") << 250u << 1u;
    QTest::newRow("749") << 749u << 1u;
    QTest::newRow("750") << 750u << 2u;
    QTest::newRow("1000") << 1000u << 2u;
    QTest::newRow("10000") << 10000u << 20u;
    QTest::newRow("largest") << std::numeric_limits<uint>::max() << 8589935u;
}

void TestUtil::startOnceRoundsToHalfSecondFlashes()
{
    QFETCH(uint, milliseconds);
    QFETCH(uint, count);
    QWidget widget;
    RecordingBackend backend;
    WindowFlash flash(&widget, &backend);
    flash.startOnce(milliseconds);
    QCOMPARE(backend.requests.size(), 1);
    QCOMPARE(backend.requests.first().flags, quint32(WindowFlash::kFlash));
    QCOMPARE(backend.requests.first().count, count);
    QCOMPARE(backend.requests.first().interval, 500u);
}

void TestUtil::destructorSendsOneStop()
{
    QWidget widget;
    RecordingBackend backend;
    {
        WindowFlash flash(&widget, &backend);
        flash.start();
    }
    QCOMPARE(backend.requests.size(), 2);
    QCOMPARE(backend.requests.at(1).flags, quint32(WindowFlash::kStop));
    QCOMPARE(backend.requests.at(1).window, quintptr(widget.winId()));
}

void TestUtil::nullWidgetSendsOnlyStops()
{
    RecordingBackend backend;
    {
        WindowFlash flash(nullptr, &backend);
        flash.start();
        flash.startOnce(1000);
        QVERIFY(backend.requests.isEmpty());
        flash.stop();
        QCOMPARE(backend.requests.size(), 1);
    }
    QCOMPARE(backend.requests.size(), 2);
    for (const WindowFlash::Request &request : qAsConst(backend.requests)) {
        QCOMPARE(request.flags, 0u);
        QCOMPARE(request.window, quintptr(0));
    }
}

QTEST_MAIN(TestUtil)
#include "tst_util.moc"
