// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the on/off selector and the file-drop combo box.
#include "testsupport.h"

#include <widget/ccheckbox.h>
#include <widget/ccombobox.h>

#include <QDragEnterEvent>
#include <QMimeData>
#include <QRegularExpression>
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

// A drag of paths as local file URLs, anything else as it is, or with no paths of text. The drop follows an accepted
// drag enter, as Qt delivers it, and a drag of text, to see it ignored. True when accepted.
bool dragAndDrop(QWidget *target, const QStringList &paths)
{
    QMimeData data, *mime = &data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(path.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(path) : QUrl(path));
    paths.isEmpty() ? mime->setText(QStringLiteral("/d/plain.csv")) : mime->setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    enter.accept(); // as a subclass that accepts before it asks the base: the base's answer counts
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    const bool accepted = enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
    if (accepted || paths.isEmpty())
        QApplication::sendEvent(target, &drop);
    return accepted;
}

} // namespace

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

    // An insertion into a box that holds initial entries: insertItem (of the first text), insertItems or a drop of the
    // texts as files, the accepted suffixes after the word "drop". Row: name|initial entries|bound|call|
    // index|texts|expected entries, lists separated by spaces, "-" an empty text.
    void insertionsSkipDuplicatesAndKeepTheBound_data()
    {
        QTest::addColumn<QStringList>("row");
        QStringList rows{"past the end goes above the last|A B|10|item|5|x|A x B",
                         "duplicate ignored|A B|10|item|0|B|A B",
                         "case differs is new|A B|10|item|0|b|b A B",
                         "full box drops the last first|0 1 2 3 4 5 6 7 8 9|10|item|0|x|x 0 1 2 3 4 5 6 7 8",
                         "full box, index past the end|0 1 2 3 4 5 6 7 8 9|10|item|99|x|0 1 2 3 4 5 6 7 x 8",
                         "items: existing left out, repeats stay|A B|10|items|1|x B x|A x x B",
                         "items: at the top pushes out the bottom|1 2 3 4 5 6 7 8 9|10|items|0|a b|a b 1 2 3 4 5 6 7 8",
                         "drop: first ten in drag order||10|drop|0|/0 /1 /2 /3 /4 /5 /6 /7 /8 /9 /10 /11|"
                         "/0 /1 /2 /3 /4 /5 /6 /7 /8 /9",
                         "drop: known path stays|/d/a /d/c /d/b|10|drop|0|/d/new /d/c|/d/new /d/a /d/c /d/b",
                         "drop: a path the bound pushed out comes back|/a /b /c|3|drop|0|/c /n|/c /n /a",
                         "drop: suffix case ignored|/d/k|10|drop csv txt|0|/d/a.CSV /d/b.txt|/d/a.CSV /d/b.txt /d/k",
                         "drop: one bad file refuses all|/d/k|10|drop csv txt|0|/d/a.csv /d/c.dat|/d/k",
                         "drop: last dot counts|/d/k|10|drop csv|0|/d/a.csv.gz /d/v1.csv/data|/d/k",
                         "drop: no urls|/d/k /d/l|10|drop|0||/d/k /d/l",
                         "drop: web url as empty text, once|/d/a|10|drop|0|https://example.org/a.csv "
                         "https://example.org/b.csv|- /d/a"};
        for (const char *call : {"item", "items", "drop"}) // a smaller bound applies from the next insertion
            rows << QStringLiteral("%1, bound 3|A B C D E|3|%1|0|/x|/x A B").arg(call)
                 << QStringLiteral("%1, bound below one is one|A B C|-2147483648|%1|0|/y /z|/y").arg(call);
        for (const QString &row : rows)
            QTest::newRow(qPrintable(row.section('|', 0, 0))) << QStringList(row.split(QLatin1Char('|')).mid(1));
    }
    void insertionsSkipDuplicatesAndKeepTheBound()
    {
        QFETCH(QStringList, row);
        const auto list = [&row](int i) {
            return row[i].split(' ', Qt::SkipEmptyParts).replaceInStrings(QRegularExpression("^-$"), QString());
        };
        const QStringList initial = list(0), texts = list(4), expected = list(5);
        const QString &call = row[2];
        CComboBox box;
        box.QComboBox::addItems(initial);
        box.setMaxCount(row[1].toInt());
        QCOMPARE(box.count(), initial.size()); // a new bound waits for the next insertion
        if (call == QLatin1String("item")) {
            box.insertItem(row[3].toInt(), texts.first(), 42);
            QCOMPARE(box.itemData(box.findText(texts.first())).isValid(), !initial.contains(texts.first()));
        } else if (call == QLatin1String("items")) {
            box.insertItems(row[3].toInt(), texts);
        } else {
            box.setCurrentIndex(box.count() - 1);
            box.setSuffixes(call.split(QLatin1Char(' ')).mid(1));
            const bool accepted = dragAndDrop(&box, texts);
            QCOMPARE(box.currentIndex(), accepted ? 0 : box.count() - 1);
            QCOMPARE(box.urls().size(), accepted ? texts.size() : 0); // also those the bound removed
        }
        QCOMPARE(entries(box), expected);
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
