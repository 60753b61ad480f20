// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the on/off selector and the file-drop combo box.
#include "testsupport.h"

#include <widget/ccheckbox.h>
#include <widget/ccombobox.h>

#include <QDragEnterEvent>
#include <QMimeData>
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

// A drag of paths as local file URLs, anything else as it is, or with no paths of text. The drop follows
// an accepted drag enter, as Qt delivers it, and a drag of text, to see it ignored. True when accepted.
bool dragAndDrop(QWidget *target, const QStringList &paths)
{
    QMimeData data, *mime = &data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(path.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(path) : QUrl(path));
    paths.isEmpty() ? mime->setText(QStringLiteral("/d/plain.csv")) : mime->setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    const bool accepted = enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
    if (accepted || paths.isEmpty())
        QApplication::sendEvent(target, &drop);
    return accepted;
}

struct Insertion
{
    QStringList initial;
    int bound;
    QString call;
    int index;
    QStringList texts;
};

} // namespace

Q_DECLARE_METATYPE(Insertion)

class TestInput : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // Steps: check, uncheck, index<i>, clear, on=<text>, off=<text>, item0=<text> (the host edits it).
    void selectorFollowsItsIndex_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QList<bool>>("toggled");
        QTest::addColumn<QString>("heard"); // what a screen reader hears: the current entry
        const auto row = [](const char *name, const char *steps, const char *entries, QList<bool> toggled,
                            const char *heard) {
            const auto list = [](const char *text) { return QString::fromUtf8(text).split(' ', Qt::SkipEmptyParts); };
            QTest::newRow(name) << list(steps) << list(entries) << toggled << heard;
        };
        row("new", "", "ON OFF", {}, "OFF");
        row("one signal per change", "check check uncheck index0", "ON OFF", {true, false, true}, "ON");
        row("same text again leaves the host's entry", "on=Enabled item0=edited on=Enabled", "edited OFF", {}, "OFF");
        row("another case is another text", "on=Enabled item0=edited on=ENABLED", "ENABLED OFF", {}, "OFF");
        row("equal texts, index kept", "check on=same off=same index1", "same same", {true, false}, "same");
        row("cleared, then renamed", "check clear on=x", "", {true, false}, "");
    }
    void selectorFollowsItsIndex()
    {
        QFETCH(QStringList, steps);
        CCheckbox box;
        QList<bool> seen;
        connect(&box, &CCheckbox::toggled, [&seen](bool on) { seen << on; });
        for (const QString &step : steps) {
            const QString arg = step.section(QLatin1Char('='), 1);
            if (step == QLatin1String("check") || step == QLatin1String("uncheck"))
                box.setChecked(step == QLatin1String("check"));
            else if (step.startsWith(QLatin1String("index")))
                box.setCurrentIndex(step.right(1).toInt());
            else if (step == QLatin1String("clear"))
                box.clear();
            else if (step.startsWith(QLatin1String("on=")))
                box.setCheckedText(arg);
            else if (step.startsWith(QLatin1String("off=")))
                box.setUnCheckedText(arg);
            else
                box.setItemText(0, arg);
        }
        QTEST(entries(box), "entries");
        QCOMPARE(box.isChecked(), !seen.isEmpty() && seen.last());
        QTEST(seen, "toggled");
        QTEST(rilotest::spoken(&box, QAccessible::Value), "heard");
    }

    // An insertion into a box that holds initial entries: insertItem (of the first text), insertItems or
    // a drop of the texts as files, the accepted suffixes after the word "drop".
    void insertionsSkipDuplicatesAndKeepTheBound_data()
    {
        QTest::addColumn<Insertion>("insertion");
        QTest::addColumn<QStringList>("expected");
        const QStringList ab{"A", "B"}, ten{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, nine = ten.mid(1),
                                                                                               k{"/d/k"};
        const auto add = [](const QByteArray &name, QStringList initial, int bound, const char *call, int index,
                            QStringList texts, QStringList expected) {
            QTest::newRow(name.constData())
                << Insertion{initial, bound, QString::fromLatin1(call), index, texts} << expected;
        };
        add("past the end goes above the last", ab, 10, "item", 5, {"x"}, {"A", "x", "B"});
        add("duplicate ignored", ab, 10, "item", 0, {"B"}, ab);
        add("case differs is new", ab, 10, "item", 0, {"b"}, {"b", "A", "B"});
        add("full box drops the last first", ten, 10, "item", 0, {"x"}, QStringList{"x"} + ten.mid(0, 9));
        add("full box, index past the end", ten, 10, "item", 99, {"x"}, ten.mid(0, 8) + QStringList{"x", "8"});
        add("items: existing left out, repeats stay", ab, 10, "items", 1, {"x", "B", "x"}, {"A", "x", "x", "B"});
        add("items: at the top pushes out the bottom", nine, 10, "items", 0, {"a", "b"},
            QStringList{"a", "b"} + nine.mid(0, 8));
        const QStringList files =
            QStringLiteral("/f0 /f1 /f2 /f3 /f4 /f5 /f6 /f7 /f8 /f9 /f10 /f11").split(QLatin1Char(' '));
        add("drop: first ten in drag order", {}, 10, "drop", 0, files, files.mid(0, 10));
        add("drop: known path stays", {"/d/a", "/d/c", "/d/b"}, 10, "drop", 0, {"/d/new", "/d/c"},
            {"/d/new", "/d/a", "/d/c", "/d/b"});
        add("drop: suffix case ignored", k, 10, "drop csv txt", 0, {"/d/a.CSV", "/d/b.txt"},
            {"/d/a.CSV", "/d/b.txt", "/d/k"});
        add("drop: one bad file refuses all", k, 10, "drop csv txt", 0, {"/d/a.csv", "/d/c.dat"}, k);
        add("drop: last dot counts", k, 10, "drop csv", 0, {"/d/a.csv.gz", "/d/v1.csv/data"}, k);
        add("drop: no urls", k, 10, "drop", 0, {}, k);
        add("drop: web url as empty text, once", {"/d/a"}, 10, "drop", 0,
            {"https://example.org/a.csv", "https://example.org/b.csv"}, {"", "/d/a"});
        for (const char *call :
             {"item", "items", "drop"}) { // a smaller bound applies from the next insertion; below one is one
            add(QByteArray(call).append(", bound 3"), {"A", "B", "C", "D", "E"}, 3, call, 0, {"/x"}, {"/x", "A", "B"});
            add(QByteArray(call).append(", bound below one"), {"A", "B", "C"}, std::numeric_limits<int>::min(), call, 0,
                {"/y", "/z"}, {"/y"});
        }
    }
    void insertionsSkipDuplicatesAndKeepTheBound()
    {
        QFETCH(Insertion, insertion);
        const auto &[initial, bound, call, index, texts] = insertion;
        CComboBox box;
        box.QComboBox::addItems(initial);
        box.setMaxCount(bound);
        QCOMPARE(box.count(), initial.size()); // a new bound waits for the next insertion
        if (call == QLatin1String("item")) {
            box.insertItem(index, texts.first(), 42);
            QCOMPARE(box.itemData(box.findText(texts.first())).isValid(), !initial.contains(texts.first()));
        } else if (call == QLatin1String("items")) {
            box.insertItems(index, texts);
        } else {
            box.setCurrentIndex(box.count() - 1);
            box.setSuffixes(call.split(QLatin1Char(' ')).mid(1));
            const bool accepted = dragAndDrop(&box, texts);
            QCOMPARE(box.currentIndex(), accepted ? 0 : box.count() - 1);
            QCOMPARE(box.urls().size(), accepted ? texts.size() : 0); // also those the bound removed
        }
        QTEST(entries(box), "expected");
    }

    void dropsAreAllowedUntilTheHostSaysOtherwise()
    {
        CComboBox box; // the base keeps its own bound
        QVERIFY(box.allowDrop() && box.acceptDrops() && box.maxCount() == 10
                && box.QComboBox::maxCount() == std::numeric_limits<int>::max());
        box.setAllowDrop(false);
        QVERIFY(!box.allowDrop() && !box.acceptDrops());
        box.setAcceptDrops(true); // the same value again leaves the host's setting
        box.setAllowDrop(false);
        QVERIFY(box.acceptDrops());
    }
};

QTEST_MAIN(TestInput)
#include "tst_input.moc"
