// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the GIF message box, with the project's own GIFs from tests/data.
#include "testsupport.h"

#include <widget/gifmessagebox.h>

#include <QtWidgets>

using rilo::widget::GIFMessageBox;

// Whether the middle of where a 144 × 144 GIF sits in a picture (left-aligned, vertically centred) shows the pulsing
// dot of calibrator.gif.
static bool showsDot(GIFMessageBox &box, const char *picture)
{
    auto *label = box.findChild<QLabel *>(QLatin1String(picture));
    const QColor c = rilotest::pixelAt(label, 72, label->height() / 2), dot(0xFF, 0x74, 0x00);
    return qAbs(c.red() - dot.red()) + qAbs(c.green() - dot.green()) + qAbs(c.blue() - dot.blue()) <= 24;
}

// Which pictures show a running movie, "L" and "R", "-" for none.
static QString running(GIFMessageBox &box)
{
    QString result;
    for (QLabel *label : {box.findChild<QLabel *>("lblGifLeft"), box.findChild<QLabel *>("lblGifRight")})
        result += label && label->movie() && label->movie()->state() == QMovie::Running ? label->objectName().at(6)
                                                                                        : QChar('-');
    return result;
}

class TestGIFMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // The parts a host can reach, the title and the captions (their translations are tested with the catalogs).
    void interfaceFacts()
    {
        GIFMessageBox box;
        QStringList facts{box.windowTitle()};
        for (QWidget *w : box.findChildren<QWidget *>(QRegularExpression(QStringLiteral("^(?!qt_)."))))
            facts << w->objectName() + ':' + w->metaObject()->className();
        for (QLabel *label : box.findChildren<QLabel *>())
            facts << label->text() + (label->movie() && label->movie()->parent() == &box ? "movie" : "");
        QCOMPARE(facts.join(' '), QStringLiteral("Dialog lblGifRight:QLabel "
                                                 "buttonBox:QDialogButtonBox edtMessage:QTextEdit lblGifLeft:QLabel "
                                                 "label:QLabel label_2:QLabel movie movie Calibrator Instrument"));
    }

    // A first file (instrument.gif, or an unreadable one, which leaves the picture empty), then calibrator.gif in its
    // place: only that picture plays it.
    void setGIFPlaysThatPictureOnly_data()
    {
        // index|first file: "instrument", else written to a file, empty: a missing file|1: calibrator.gif plays on the
        // left before the first file|which pictures run a movie at the end
        QTest::addColumn<QStringList>("row");
        for (const char *row :
             {"0|instrument|0|L-", "1|instrument|0|-R", "-1|instrument|0|--", "2|instrument|0|--",
              "-2147483648|instrument|0|--", "0||0|L-", "0|GIF? no, just text|0|L-", "0||1|L-", "0|GIF89a\x10|1|L-"})
            QTest::newRow(row) << QString(row).split('|');
    }
    void setGIFPlaysThatPictureOnly()
    {
        QFETCH(QStringList, row);
        const int index = row[0].toInt();
        const QByteArray first = row[1].toLatin1();
        QTemporaryFile file;
        QVERIFY(file.open() && file.write(first) == first.size() && file.flush());
        GIFMessageBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(!showsDot(box, "lblGifLeft") && !showsDot(box, "lblGifRight"));
        if (row[2] == "1") {
            box.setGIF(0, QStringLiteral(":/data/calibrator.gif"));
            QTRY_VERIFY(showsDot(box, "lblGifLeft"));
        }
        box.setGIF(index, first == "instrument" ? QStringLiteral(":/data/instrument.gif")
                          : first.isEmpty()     ? QStringLiteral("/nonexistent/calibrator.gif")
                                                : file.fileName());
        box.start();
        QTest::qWait(250);
        QVERIFY(!showsDot(box, "lblGifLeft"));
        box.setGIF(index, QStringLiteral(":/data/calibrator.gif"));
        QCOMPARE(running(box), row[3]);
        if (index == 0 || index == 1)
            QTRY_VERIFY(showsDot(box, index ? "lblGifRight" : "lblGifLeft"));
        QVERIFY(!showsDot(box, index ? "lblGifLeft" : "lblGifRight"));
        for (QMovie *movie : box.findChildren<QMovie *>())
            QCOMPARE(movie->fileName().isEmpty(), movie->state() == QMovie::NotRunning);
        QCOMPARE(box.findChildren<QMovie *>().size(), 2);
    }

    void stopFreezesBothAndStartResumes()
    {
        GIFMessageBox box;
        box.setGIF(0, QStringLiteral(":/data/calibrator.gif"));
        box.setGIF(1, QStringLiteral(":/data/instrument.gif"));
        const QList<QMovie *> movies = box.findChildren<QMovie *>();
        QTRY_VERIFY_WITH_TIMEOUT(movies[0]->currentFrameNumber() >= 2 && movies[1]->currentFrameNumber() >= 2, 3000);
        box.stop();
        const int frames = movies[0]->currentFrameNumber() * 1000 + movies[1]->currentFrameNumber();
        QTest::qWait(450); // more than four frames' time
        QCOMPARE(movies[0]->currentFrameNumber() * 1000 + movies[1]->currentFrameNumber() + running(box).count('-'),
                 frames + 2);
        box.start();
        QCOMPARE(running(box), QStringLiteral("LR"));
        QTRY_VERIFY_WITH_TIMEOUT(movies[0]->currentFrameNumber() >= 3 && movies[1]->currentFrameNumber() >= 3, 3000);
    }

    // A host deletes a part, then calls everything and changes the language: which pictures run a movie, the message
    // from the host's Markdown (or "-"). The host's title stays; the change event reaches QDialog (a font change redoes
    // the layout). OK and Cancel end exec().
    void partsTheHostDeletesAreLeftOut_data()
    {
        QTest::addColumn<QString>("victim"); // object name of the deleted part, or "movie 0" / "movie 1"
        QTest::addColumn<QString>("left");
        for (const char *row : {"|LR host", "movie 0|-R host", "movie 1|L- host", "lblGifLeft|-R host",
                                "lblGifRight|L- host", "edtMessage|LR -", "label|LR host"})
            QTest::newRow(row) << QString(row).section('|', 0, 0) << QString(row).section('|', 1);
    }
    void partsTheHostDeletesAreLeftOut()
    {
        QFETCH(QString, victim);
        GIFMessageBox box;
        const QList<QMovie *> movies = box.findChildren<QMovie *>();
        if (!victim.isEmpty())
            delete (victim.startsWith("movie") ? static_cast<QObject *>(movies.value(victim.right(1).toInt()))
                                               : box.findChild<QWidget *>(victim));
        box.setWindowTitle(QStringLiteral("Zero the meter"));
        box.setGIF(0, QStringLiteral(":/data/calibrator.gif"));
        box.setGIF(1, QStringLiteral(":/data/instrument.gif"));
        box.stop();
        box.start();
        box.setMarkdown(QStringLiteral("**host**"));
        QEvent languageChange(QEvent::LanguageChange), fontChange(QEvent::FontChange);
        QApplication::sendEvent(&box, &languageChange);
        auto *message = box.findChild<QTextEdit *>();
        QTEST(QString(running(box) + ' ' + (message ? message->toPlainText() : "-")), "left");
        QCOMPARE(box.windowTitle(), QStringLiteral("Zero the meter"));
        box.layout()->activate();
        QVERIFY(!box.layout()->activate());
        QApplication::sendEvent(&box, &fontChange);
        QVERIFY(box.layout()->activate());
        for (auto button : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel}) { // OK accepts, Cancel rejects
            QTimer::singleShot(0, &box, [button] {
                if (auto *active = qobject_cast<GIFMessageBox *>(QApplication::activeModalWidget()))
                    QTest::mouseClick(active->findChild<QDialogButtonBox *>()->button(button), Qt::LeftButton);
            });
            QCOMPARE(box.exec(), button == QDialogButtonBox::Ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
        }
    }
};

QTEST_MAIN(TestGIFMessageBox)
#include "tst_gifmessagebox.moc"
