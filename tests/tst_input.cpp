// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the two input widgets: the on/off selector and the file-drop combo box.
#include "testsupport.h"

#include <widget/ccheckbox.h>
#include <widget/ccombobox.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMetaMethod>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

#include <limits>

using namespace rilo::widget;

namespace {

QStringList entries(const QComboBox &box)
{
    QStringList result;
    for (int i = 0; i < box.count(); ++i)
        result.append(box.itemText(i));
    return result;
}

QList<QUrl> fileUrls(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    return urls;
}

// Sends a drag enter carrying urls and reports whether the box accepted it.
bool dragEnter(QWidget *target, const QList<QUrl> &urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent event(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    event.setAccepted(false);
    QApplication::sendEvent(target, &event);
    return event.isAccepted() && event.dropAction() == Qt::CopyAction;
}

// A drag enter followed by the drop, as Qt delivers them for an accepted drag.
bool dragAndDrop(QWidget *target, const QList<QUrl> &urls)
{
    if (!dragEnter(target, urls))
        return false;
    QMimeData mime;
    mime.setUrls(urls);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return true;
}

QStringList numberedFiles(int n)
{
    QStringList paths;
    for (int i = 1; i <= n; ++i)
        paths.append(QStringLiteral("/data/run%1.csv").arg(i, 2, 10, QLatin1Char('0')));
    return paths;
}

} // namespace

class TestInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // CCheckbox
    void newSelectorShowsOffWithTwoEntries();
    void setCheckedEmitsOncePerChange();
    void userPickByKeyboardToggles();
    void userPickThroughPopupToggles();
    void renamingKeepsIndexAndEmitsNothing();
    void equalTextsStillFollowIndex();
    void clearingItemsUnchecks();
    void screenReaderHearsTheCurrentState_data();
    void screenReaderHearsTheCurrentState();

    // CComboBox
    void newBoxAcceptsDropsWithDefaultBound();
    void dragEnterChecksEverySuffix_data();
    void dragEnterChecksEverySuffix();
    void dropOfTwelveFilesKeepsFirstTenInDragOrder();
    void dropOfKnownPathDoesNotMoveIt();
    void dropOfNonLocalUrlInsertsEmptyText();
    void dropWithoutUrlsChangesNothing();
    void insertItemClampsAndSkipsDuplicates_data();
    void insertItemClampsAndSkipsDuplicates();
    void insertItemsSkipsExistingAndTrimsBottom_data();
    void insertItemsSkipsExistingAndTrimsBottom();
    void smallerBoundAppliesAtNextInsertion();
    void boundBelowOneKeepsNewestEntry_data();
    void boundBelowOneKeepsNewestEntry();
    void setAllowDropOnlyActsOnChange();
    void userPicksDroppedFileByKeyboard();
    void metaObjectsHaveQualifiedNamesAndOwnSignals();
};

void TestInput::newSelectorShowsOffWithTwoEntries()
{
    CCheckbox box;
    QCOMPARE(entries(box), (QStringList{"ON", "OFF"}));
    QCOMPARE(box.currentIndex(), 1);
    QCOMPARE(box.currentText(), QStringLiteral("OFF"));
    QVERIFY(!box.isChecked());
    QCOMPARE(box.checkedText(), QStringLiteral("ON"));
    QCOMPARE(box.unCheckedText(), QStringLiteral("OFF"));
    QVERIFY(box.itemData(0).isNull());
    QVERIFY(box.itemIcon(1).isNull());
}

void TestInput::setCheckedEmitsOncePerChange()
{
    CCheckbox box;
    QSignalSpy spy(&box, &CCheckbox::toggled);
    box.setChecked(true);
    QCOMPARE(box.currentIndex(), 0);
    QVERIFY(box.isChecked());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);

    box.setChecked(true);
    QCOMPARE(spy.count(), 1);

    box.setChecked(false);
    QCOMPARE(box.currentIndex(), 1);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toBool(), false);

    // Index changes through the QComboBox interface count as well.
    box.setCurrentIndex(0);
    QCOMPARE(spy.count(), 3);
    QVERIFY(box.isChecked());
}

void TestInput::userPickByKeyboardToggles()
{
    CCheckbox box;
    box.show();
    QSignalSpy spy(&box, &CCheckbox::toggled);
    QTest::keyClick(&box, Qt::Key_Up);
    QCOMPARE(box.currentIndex(), 0);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QVERIFY(box.isChecked());

    // Already on the first entry: nothing changes, nothing is emitted.
    QTest::keyClick(&box, Qt::Key_Up);
    QCOMPARE(spy.count(), 1);

    QTest::keyClick(&box, Qt::Key_Down);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
    QVERIFY(!box.isChecked());
}

void TestInput::userPickThroughPopupToggles()
{
    CCheckbox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &CCheckbox::toggled);
    box.showPopup();
    QAbstractItemView *view = box.view();
    QTRY_VERIFY(view->isVisible());
    view->setCurrentIndex(box.model()->index(0, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(box.currentText(), QStringLiteral("ON"));
}

void TestInput::renamingKeepsIndexAndEmitsNothing()
{
    CCheckbox box;
    box.setChecked(true);
    QSignalSpy spy(&box, &CCheckbox::toggled);

    box.setCheckedText(QStringLiteral("Enabled"));
    QCOMPARE(box.itemText(0), QStringLiteral("Enabled"));
    QCOMPARE(box.checkedText(), QStringLiteral("Enabled"));
    QCOMPARE(box.currentIndex(), 0);
    box.setUnCheckedText(QStringLiteral("Disabled"));
    QCOMPARE(entries(box), (QStringList{"Enabled", "Disabled"}));
    QCOMPARE(spy.count(), 0);

    // Setting the stored text again does nothing at all: an entry text the
    // host changed behind the selector's back stays as the host left it.
    box.setItemText(0, QStringLiteral("edited"));
    box.setCheckedText(QStringLiteral("Enabled"));
    QCOMPARE(box.itemText(0), QStringLiteral("edited"));
    // The comparison is case-sensitive: another case is a new text.
    box.setCheckedText(QStringLiteral("ENABLED"));
    QCOMPARE(box.itemText(0), QStringLiteral("ENABLED"));
    QCOMPARE(spy.count(), 0);
}

void TestInput::equalTextsStillFollowIndex()
{
    CCheckbox box;
    box.setCheckedText(QStringLiteral("same"));
    box.setUnCheckedText(QStringLiteral("same"));
    QCOMPARE(entries(box), (QStringList{"same", "same"}));
    QSignalSpy spy(&box, &CCheckbox::toggled);
    box.setCurrentIndex(0);
    QVERIFY(box.isChecked());
    box.setCurrentIndex(1);
    QVERIFY(!box.isChecked());
    QCOMPARE(spy.count(), 2);
}

void TestInput::clearingItemsUnchecks()
{
    CCheckbox box;
    box.setChecked(true);
    QSignalSpy spy(&box, &CCheckbox::toggled);
    box.clear();
    QCOMPARE(box.currentIndex(), -1);
    QVERIFY(!box.isChecked());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    // Renaming an emptied selector has nothing to rename and must not crash.
    box.setCheckedText(QStringLiteral("on"));
    QCOMPARE(box.count(), 0);
}

void TestInput::screenReaderHearsTheCurrentState_data()
{
    QTest::addColumn<QString>("onText");
    QTest::addColumn<QString>("offText");
    QTest::addColumn<QList<bool>>("states");
    QTest::addColumn<QString>("heard");

    QTest::newRow("new") << QString() << QString() << QList<bool>{} << QStringLiteral("OFF");
    QTest::newRow("checked") << QString() << QString() << QList<bool>{true} << QStringLiteral("ON");
    QTest::newRow("checked and unchecked") << QString() << QString() << QList<bool>{true, false}
                                           << QStringLiteral("OFF");
    QTest::newRow("renamed, checked") << QStringLiteral("Output on") << QStringLiteral("Output off")
                                      << QList<bool>{true} << QStringLiteral("Output on");
    QTest::newRow("renamed, unchecked") << QStringLiteral("Local") << QStringLiteral("Remote")
                                        << QList<bool>{true, false} << QStringLiteral("Remote");
}

void TestInput::screenReaderHearsTheCurrentState()
{
    QFETCH(QString, onText);
    QFETCH(QString, offText);
    QFETCH(QList<bool>, states);
    QFETCH(QString, heard);

    CCheckbox box;
    if (!onText.isEmpty())
        box.setCheckedText(onText);
    if (!offText.isEmpty())
        box.setUnCheckedText(offText);
    for (bool checked : states)
        box.setChecked(checked);

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&box);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::ComboBox);
    QCOMPARE(iface->text(QAccessible::Value), heard);
#if defined(Q_OS_UNIX)
    // Qt's Unix bridges take a combo box's name from its current text (on
    // Windows the name comes from a buddy label and the value is read out).
    QCOMPARE(iface->text(QAccessible::Name), heard);
#endif

    // Renaming the current entry is heard at once.
    box.setCheckedText(QStringLiteral("Yes"));
    box.setUnCheckedText(QStringLiteral("No"));
    QCOMPARE(iface->text(QAccessible::Value), box.isChecked() ? QStringLiteral("Yes") : QStringLiteral("No"));
}

void TestInput::newBoxAcceptsDropsWithDefaultBound()
{
    CComboBox box;
    QCOMPARE(box.count(), 0);
    QVERIFY(box.allowDrop());
    QVERIFY(box.acceptDrops());
    QCOMPARE(box.maxCount(), 10);
    QVERIFY(box.suffixes().isEmpty());
    QVERIFY(box.urls().isEmpty());
    // The base's own bound is independent of the box's.
    QCOMPARE(static_cast<QComboBox &>(box).maxCount(), std::numeric_limits<int>::max());
}

void TestInput::dragEnterChecksEverySuffix_data()
{
    QTest::addColumn<QStringList>("suffixes");
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<bool>("accepted");

    const QStringList csvTxt{"csv", "txt"};
    QTest::newRow("suffix case ignored") << csvTxt << fileUrls({"/d/a.CSV", "/d/b.txt"}) << true;
    QTest::newRow("one bad file refuses all") << csvTxt << fileUrls({"/d/a.csv", "/d/c.dat"}) << false;
    QTest::newRow("bad file first") << csvTxt << fileUrls({"/d/c.dat", "/d/a.csv"}) << false;
    QTest::newRow("no dot") << csvTxt << fileUrls({"/d/README"}) << false;
    QTest::newRow("last dot counts") << csvTxt << fileUrls({"/d/archive.csv.gz"}) << false;
    QTest::newRow("dot in folder only") << csvTxt << fileUrls({"/d/v1.csv/data"}) << false;
    QTest::newRow("suffix written with dot") << QStringList{".csv"} << fileUrls({"/d/a.csv"}) << false;
    QTest::newRow("non-local url with suffixes")
        << csvTxt << QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.csv"))} << false;
    QTest::newRow("non-local url without suffixes")
        << QStringList() << QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.csv"))} << true;
    QTest::newRow("any file without suffixes") << QStringList() << fileUrls({"/d/c.dat", "/d/README"}) << true;
    QTest::newRow("empty url list") << QStringList() << QList<QUrl>() << false;
}

void TestInput::dragEnterChecksEverySuffix()
{
    QFETCH(QStringList, suffixes);
    QFETCH(QList<QUrl>, urls);
    QFETCH(bool, accepted);

    CComboBox box;
    box.setSuffixes(suffixes);
    QCOMPARE(box.suffixes(), suffixes);
    QCOMPARE(dragEnter(&box, urls), accepted);
}

void TestInput::dropOfTwelveFilesKeepsFirstTenInDragOrder()
{
    CComboBox box;
    box.setSuffixes({"csv"});
    QSignalSpy indexSpy(&box, QOverload<int>::of(&QComboBox::currentIndexChanged));
    const QStringList files = numberedFiles(12);
    QVERIFY(dragAndDrop(&box, fileUrls(files)));
    QCOMPARE(entries(box), files.mid(0, 10));
    QCOMPARE(box.currentIndex(), 0);
    QCOMPARE(box.currentText(), QStringLiteral("/data/run01.csv"));
    QVERIFY(indexSpy.count() >= 1);
    // urls() holds what the drop carried, also the paths the bound removed.
    QCOMPARE(box.urls(), files);
}

void TestInput::dropOfKnownPathDoesNotMoveIt()
{
    CComboBox box;
    box.insertItem(0, QStringLiteral("/data/b.csv"), 42);
    box.insertItem(0, QStringLiteral("/data/a.csv"));
    box.insertItem(5, QStringLiteral("/data/c.csv"));
    QCOMPARE(entries(box), (QStringList{"/data/a.csv", "/data/c.csv", "/data/b.csv"}));
    box.setCurrentIndex(2);

    QVERIFY(dragAndDrop(&box, fileUrls({"/data/b.csv"})));
    QCOMPARE(entries(box), (QStringList{"/data/a.csv", "/data/c.csv", "/data/b.csv"}));
    QCOMPARE(box.itemData(2).toInt(), 42);
    QCOMPARE(box.currentIndex(), 0);

    // A new file goes on top, a known one in the same drag stays where it is.
    QVERIFY(dragAndDrop(&box, fileUrls({"/data/new.csv", "/data/c.csv"})));
    QCOMPARE(entries(box), (QStringList{"/data/new.csv", "/data/a.csv", "/data/c.csv", "/data/b.csv"}));
    QCOMPARE(box.urls(), (QStringList{"/data/new.csv", "/data/c.csv"}));
}

void TestInput::dropOfNonLocalUrlInsertsEmptyText()
{
    CComboBox box;
    box.insertItem(0, QStringLiteral("/data/a.csv"));
    const QList<QUrl> web{QUrl(QStringLiteral("https://example.org/a.csv"))};
    QVERIFY(dragAndDrop(&box, web));
    QCOMPARE(entries(box), (QStringList{QString(), "/data/a.csv"}));
    QVERIFY(dragAndDrop(&box, web));
    QCOMPARE(box.count(), 2);
}

void TestInput::dropWithoutUrlsChangesNothing()
{
    CComboBox box;
    box.insertItem(0, QStringLiteral("/data/a.csv"));
    box.insertItem(1, QStringLiteral("/data/b.csv"));
    box.setCurrentIndex(1);

    QMimeData mime;
    mime.setText(QStringLiteral("/data/c.csv"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &drop);
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.currentIndex(), 1);
    QVERIFY(box.urls().isEmpty());
}

void TestInput::insertItemClampsAndSkipsDuplicates_data()
{
    QTest::addColumn<QStringList>("initial");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("past the end goes above the last") << QStringList{"A", "B"} << 5 << "x" << QStringList{"A", "x", "B"};
    QTest::newRow("at count goes above the last") << QStringList{"A", "B"} << 2 << "x" << QStringList{"A", "x", "B"};
    QTest::newRow("empty box") << QStringList() << 5 << "x" << QStringList{"x"};
    QTest::newRow("negative index goes to the top") << QStringList{"A", "B"} << -3 << "x" << QStringList{"x", "A", "B"};
    QTest::newRow("middle") << QStringList{"A", "B", "C"} << 1 << "x" << QStringList{"A", "x", "B", "C"};
    QTest::newRow("duplicate ignored") << QStringList{"A", "B"} << 0 << "B" << QStringList{"A", "B"};
    QTest::newRow("case differs is new") << QStringList{"A", "B"} << 0 << "b" << QStringList{"b", "A", "B"};
    QTest::newRow("full box drops the last first")
        << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"} << 0 << "x"
        << QStringList{"x", "0", "1", "2", "3", "4", "5", "6", "7", "8"};
    QTest::newRow("full box, index past the end")
        << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"} << 99 << "x"
        << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "x", "8"};
}

void TestInput::insertItemClampsAndSkipsDuplicates()
{
    QFETCH(QStringList, initial);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    CComboBox box;
    box.addItems(initial);
    box.insertItem(index, text, QStringLiteral("data"));
    QCOMPARE(entries(box), expected);
    const int at = box.findText(text);
    if (!initial.contains(text))
        QCOMPARE(box.itemData(at).toString(), QStringLiteral("data"));
    else
        QVERIFY(box.itemData(at).isNull());
}

void TestInput::insertItemsSkipsExistingAndTrimsBottom_data()
{
    QTest::addColumn<QStringList>("initial");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("existing text left out") << QStringList{"A", "B"} << 0 << QStringList{"x", "B", "y"}
                                            << QStringList{"x", "y", "A", "B"};
    QTest::newRow("repeats within the list stay") << QStringList{"A"} << 1 << QStringList{"x", "x"}
                                                  << QStringList{"A", "x", "x"};
    QTest::newRow("nine plus three keeps the first new")
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"} << 9 << QStringList{"a", "b", "c"}
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "a"};
    QTest::newRow("inserted at the top pushes out the bottom")
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"} << 0 << QStringList{"a", "b"}
        << QStringList{"a", "b", "1", "2", "3", "4", "5", "6", "7", "8"};
}

void TestInput::insertItemsSkipsExistingAndTrimsBottom()
{
    QFETCH(QStringList, initial);
    QFETCH(int, index);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, expected);

    CComboBox box;
    box.addItems(initial);
    const QStringList given = texts;
    box.insertItems(index, texts);
    QCOMPARE(entries(box), expected);
    QCOMPARE(texts, given);
}

void TestInput::smallerBoundAppliesAtNextInsertion()
{
    CComboBox box;
    box.addItems({"A", "B", "C", "D", "E"});
    box.setMaxCount(3);
    QCOMPARE(box.maxCount(), 3);
    QCOMPARE(box.count(), 5);

    box.insertItem(0, QStringLiteral("x"));
    QCOMPARE(entries(box), (QStringList{"x", "A", "B"}));

    CComboBox list;
    list.addItems({"A", "B", "C", "D", "E"});
    list.setMaxCount(3);
    list.insertItems(0, {"x"});
    QCOMPARE(entries(list), (QStringList{"x", "A", "B"}));

    CComboBox dropped;
    dropped.addItems({"A", "B", "C", "D", "E"});
    dropped.setMaxCount(3);
    QVERIFY(dragAndDrop(&dropped, fileUrls({"/x.csv"})));
    QCOMPARE(entries(dropped), (QStringList{"/x.csv", "A", "B"}));
}

void TestInput::boundBelowOneKeepsNewestEntry_data()
{
    QTest::addColumn<int>("bound");
    QTest::newRow("zero") << 0;
    QTest::newRow("minus one") << -1;
    QTest::newRow("most negative") << std::numeric_limits<int>::min();
}

void TestInput::boundBelowOneKeepsNewestEntry()
{
    QFETCH(int, bound);

    CComboBox box;
    box.addItems({"A", "B", "C"});
    box.setMaxCount(bound);
    QCOMPARE(box.maxCount(), 1);
    QCOMPARE(box.count(), 3);

    box.insertItem(2, QStringLiteral("x"));
    QCOMPARE(entries(box), QStringList{"x"});
    box.insertItems(0, {"y", "z"});
    QCOMPARE(entries(box), QStringList{"y"});
    QVERIFY(dragAndDrop(&box, fileUrls({"/first.csv", "/second.csv"})));
    QCOMPARE(entries(box), QStringList{"/first.csv"});
    QCOMPARE(box.currentIndex(), 0);
}

void TestInput::setAllowDropOnlyActsOnChange()
{
    CComboBox box;
    box.setAllowDrop(false);
    QVERIFY(!box.allowDrop());
    QVERIFY(!box.acceptDrops());

    // The same value again does nothing: the host's own setting stays.
    box.setAcceptDrops(true);
    box.setAllowDrop(false);
    QVERIFY(box.acceptDrops());

    box.setAllowDrop(true);
    QVERIFY(box.allowDrop());
    QVERIFY(box.acceptDrops());
}

void TestInput::userPicksDroppedFileByKeyboard()
{
    CComboBox box;
    box.show();
    QVERIFY(dragAndDrop(&box, fileUrls({"/data/a.csv", "/data/b.csv", "/data/c.csv"})));
    QSignalSpy activated(&box, QOverload<int>::of(&QComboBox::activated));
    QSignalSpy changed(&box, QOverload<int>::of(&QComboBox::currentIndexChanged));
    QTest::keyClick(&box, Qt::Key_Down);
    QTest::keyClick(&box, Qt::Key_Down);
    QCOMPARE(box.currentText(), QStringLiteral("/data/c.csv"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(activated.count(), 2);
    QCOMPARE(activated.at(1).at(0).toInt(), 2);
    QTest::keyClick(&box, Qt::Key_Down); // already at the bottom
    QCOMPARE(changed.count(), 2);
}

void TestInput::metaObjectsHaveQualifiedNamesAndOwnSignals()
{
    const QMetaObject &check = CCheckbox::staticMetaObject;
    QCOMPARE(check.className(), "rilo::widget::CCheckbox");
    QCOMPARE(check.methodCount() - check.methodOffset(), 1);
    QCOMPARE(check.method(check.methodOffset()).methodSignature(), QByteArray("toggled(bool)"));

    const QMetaObject &combo = CComboBox::staticMetaObject;
    QCOMPARE(combo.className(), "rilo::widget::CComboBox");
    QCOMPARE(combo.methodCount() - combo.methodOffset(), 1);
    QCOMPARE(combo.method(combo.methodOffset()).methodSignature(), QByteArray("mySignal()"));
}

QTEST_MAIN(TestInput)
#include "tst_input.moc"
