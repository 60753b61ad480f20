// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the GIF message box: the form, the two animations (with the
// project's own GIFs from tests/data), the Markdown message and OK/Cancel.
#include "testsupport.h"

#include <widget/gifmessagebox.h>

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>

using rilo::widget::GIFMessageBox;

using rilotest::positionOf;

namespace {

const QString kCalibratorGif = QStringLiteral(":/data/calibrator.gif");
const QString kInstrumentGif = QStringLiteral(":/data/instrument.gif");
const QColor kCalibratorDot(0xFF, 0x74, 0x00); // the pulsing dot in the middle of calibrator.gif

template <typename T>
T *part(GIFMessageBox &box, const char *name)
{
    return box.findChild<T *>(QLatin1String(name));
}

QMovie *movie(GIFMessageBox &box, int index)
{
    QLabel *label = part<QLabel>(box, index == 0 ? "lblGifLeft" : "lblGifRight");
    return label ? label->movie() : nullptr;
}

// Both movies, found as children, whether or not a label shows them.
QList<QMovie *> movies(GIFMessageBox &box)
{
    return box.findChildren<QMovie *>();
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8 && qAbs(a.blue() - b.blue()) <= 8;
}

// The colour in the middle of where a 144 × 144 GIF sits in a picture label
// (left-aligned, vertically centred).
QColor gifCentre(QLabel *picture)
{
    return rilotest::pixelAt(picture, 72, picture->height() / 2);
}

// Counts every message Qt logs while it lives.
class MessageCounter
{
public:
    MessageCounter()
    {
        s_count = 0;
        m_previous = qInstallMessageHandler(&MessageCounter::handle);
    }
    ~MessageCounter() { qInstallMessageHandler(m_previous); }
    int count() const { return s_count; }

private:
    static void handle(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        // The offscreen platform's notice about size hints is not ours.
        if (!message.contains(QLatin1String("propagateSizeHints")))
            ++s_count;
    }
    static int s_count;
    QtMessageHandler m_previous;
};
int MessageCounter::s_count = 0;

class BracketTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "GIFMessageBox") != 0)
            return QString();
        return QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']');
    }
};

} // namespace

class TestGIFMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void formShowsCaptionsPicturesMessageAndButtons();
    void defaultMessageIsRichTextWithABoldWord();
    void formTextsUseTheFormContext();
    void setGIFIgnoresOtherIndices_data();
    void setGIFIgnoresOtherIndices();
    void setGIFPlaysOnlyThatPicture();
    void pictureShowsTheAnimation();
    void stopFreezesBothAndStartResumes();
    void secondFileReplacesTheFirst();
    void unreadableFileLeavesThePictureEmpty_data();
    void unreadableFileLeavesThePictureEmpty();
    void setMarkdownReplacesTheMessage();
    void buttonsEndExec_data();
    void buttonsEndExec();
};

void TestGIFMessageBox::formShowsCaptionsPicturesMessageAndButtons()
{
    GIFMessageBox box;
    QCOMPARE(box.objectName(), QStringLiteral("GIFMessageBox"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(box.size(), QSize(624, 453));
    QVERIFY(!box.isModal());

    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    QVERIFY(grid);
    QCOMPARE(grid->objectName(), QStringLiteral("gridLayout"));
    QCOMPARE(grid->verticalSpacing(), 12);

    auto *left = part<QLabel>(box, "label");
    auto *right = part<QLabel>(box, "label_2");
    QCOMPARE(left->text(), QStringLiteral("Calibrator"));
    QCOMPARE(right->text(), QStringLiteral("Instrument"));
    QCOMPARE(left->alignment(), Qt::AlignCenter);
    QCOMPARE(positionOf(grid, left), (QVector<int>{0, 0, 1, 1}));
    QCOMPARE(positionOf(grid, right), (QVector<int>{0, 1, 1, 1}));

    for (const char *name : {"lblGifLeft", "lblGifRight"}) {
        auto *picture = part<QLabel>(box, name);
        QVERIFY(picture);
        QCOMPARE(picture->minimumSize(), QSize(300, 300));
        QCOMPARE(picture->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
        QCOMPARE(picture->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
        QVERIFY(picture->text().isEmpty());
        QVERIFY(picture->movie());
        QVERIFY(picture->movie()->fileName().isEmpty());
        QCOMPARE(picture->movie()->parent(), &box);
    }
    QCOMPARE(positionOf(grid, part<QLabel>(box, "lblGifLeft")), (QVector<int>{1, 0, 1, 1}));
    QCOMPARE(positionOf(grid, part<QLabel>(box, "lblGifRight")), (QVector<int>{1, 1, 1, 1}));
    QVERIFY(movie(box, 0) != movie(box, 1));
    QCOMPARE(movies(box).size(), 2);

    auto *message = part<QTextEdit>(box, "edtMessage");
    QVERIFY(message);
    QCOMPARE(positionOf(grid, message), (QVector<int>{2, 0, 1, 2}));
    QVERIFY(message->isReadOnly());
    QCOMPARE(message->lineWrapMode(), QTextEdit::WidgetWidth);
    QCOMPARE(message->minimumSize(), QSize(0, 30));
    QCOMPARE(message->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(message->sizePolicy().verticalPolicy(), QSizePolicy::Minimum);

    auto *buttons = part<QDialogButtonBox>(box, "buttonBox");
    QVERIFY(buttons);
    QCOMPARE(positionOf(grid, buttons), (QVector<int>{3, 0, 1, 2}));
    QCOMPARE(buttons->orientation(), Qt::Horizontal);
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    for (int i = 0; i < grid->count(); ++i)
        QCOMPARE(int(grid->itemAt(i)->alignment()), 0);
}

void TestGIFMessageBox::defaultMessageIsRichTextWithABoldWord()
{
    GIFMessageBox box;
    auto *message = part<QTextEdit>(box, "edtMessage");
    QTextDocument *document = message->document();
    QCOMPARE(document->toPlainText(), QStringLiteral("The Message  is...\n-"));
    QCOMPARE(document->blockCount(), 2);

    const QTextBlock first = document->firstBlock();
    QCOMPARE(first.blockFormat().topMargin(), 6.0);
    QCOMPARE(first.blockFormat().bottomMargin(), 6.0);
    QCOMPARE(first.blockFormat().leftMargin(), 0.0);

    QTextCursor cursor(document);
    cursor.setPosition(5); // inside "Message"
    QVERIFY(cursor.charFormat().fontWeight() >= QFont::Bold); // CSS 700 reads as 88 in Qt 5
    QCOMPARE(cursor.charFormat().fontFamily(), QStringLiteral("Microsoft YaHei UI"));
    QCOMPARE(cursor.charFormat().fontPointSize(), 9.0);
    cursor.setPosition(2); // inside "The"
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
}

void TestGIFMessageBox::formTextsUseTheFormContext()
{
    BracketTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    GIFMessageBox box;
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(box.windowTitle(), QStringLiteral("[Dialog]"));
    QCOMPARE(part<QLabel>(box, "label")->text(), QStringLiteral("[Calibrator]"));
    QCOMPARE(part<QLabel>(box, "label_2")->text(), QStringLiteral("[Instrument]"));
    QVERIFY(part<QTextEdit>(box, "edtMessage")->toPlainText().startsWith(QLatin1Char('[')));
}

void TestGIFMessageBox::setGIFIgnoresOtherIndices_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("2") << 2;
    QTest::newRow("large") << 1000;
    QTest::newRow("most negative") << std::numeric_limits<int>::min();
}

void TestGIFMessageBox::setGIFIgnoresOtherIndices()
{
    QFETCH(int, index);
    GIFMessageBox box;
    box.setGIF(index, kCalibratorGif);
    for (QMovie *m : movies(box)) {
        QVERIFY(m->fileName().isEmpty());
        QCOMPARE(m->state(), QMovie::NotRunning);
    }
}

void TestGIFMessageBox::setGIFPlaysOnlyThatPicture()
{
    GIFMessageBox box;
    box.setGIF(1, kInstrumentGif);
    QMovie *right = movie(box, 1);
    QMovie *left = movie(box, 0);
    QCOMPARE(right->fileName(), kInstrumentGif);
    QCOMPARE(right->state(), QMovie::Running);
    QTRY_VERIFY_WITH_TIMEOUT(right->currentFrameNumber() >= 3, 3000);

    QVERIFY(left->fileName().isEmpty());
    QCOMPARE(left->state(), QMovie::NotRunning);
    QVERIFY(left->currentPixmap().isNull());
}

void TestGIFMessageBox::pictureShowsTheAnimation()
{
    GIFMessageBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *left = part<QLabel>(box, "lblGifLeft");
    auto *right = part<QLabel>(box, "lblGifRight");
    QVERIFY(!near(gifCentre(left), kCalibratorDot));

    box.setGIF(0, kCalibratorGif);
    QTRY_VERIFY(movie(box, 0)->currentFrameNumber() >= 1);
    QVERIFY(near(gifCentre(left), kCalibratorDot));
    QVERIFY(!near(gifCentre(right), kCalibratorDot));
}

void TestGIFMessageBox::stopFreezesBothAndStartResumes()
{
    GIFMessageBox box;
    box.setGIF(0, kCalibratorGif);
    box.setGIF(1, kInstrumentGif);
    QMovie *left = movie(box, 0);
    QMovie *right = movie(box, 1);
    QTRY_VERIFY_WITH_TIMEOUT(left->currentFrameNumber() >= 2 && right->currentFrameNumber() >= 2, 3000);

    box.stop();
    QCOMPARE(left->state(), QMovie::NotRunning);
    QCOMPARE(right->state(), QMovie::NotRunning);
    const int leftFrame = left->currentFrameNumber();
    const int rightFrame = right->currentFrameNumber();
    QTest::qWait(450); // more than four frames' time
    QCOMPARE(left->currentFrameNumber(), leftFrame);
    QCOMPARE(right->currentFrameNumber(), rightFrame);

    box.start();
    QCOMPARE(left->state(), QMovie::Running);
    QCOMPARE(right->state(), QMovie::Running);
    // After a stop QMovie starts over; three frames on shows it runs again.
    QTRY_VERIFY_WITH_TIMEOUT(left->currentFrameNumber() >= 3 && right->currentFrameNumber() >= 3, 3000);
}

void TestGIFMessageBox::secondFileReplacesTheFirst()
{
    GIFMessageBox box;
    box.setGIF(0, kCalibratorGif);
    QTRY_VERIFY(movie(box, 0)->currentFrameNumber() >= 2);
    box.setGIF(0, kInstrumentGif);
    QMovie *left = movie(box, 0);
    QCOMPARE(left->fileName(), kInstrumentGif);
    QCOMPARE(left->state(), QMovie::Running);
    QTRY_VERIFY_WITH_TIMEOUT(left->currentFrameNumber() >= 3, 3000);
}

void TestGIFMessageBox::unreadableFileLeavesThePictureEmpty_data()
{
    QTest::addColumn<bool>("playFirst");
    QTest::addColumn<QByteArray>("content"); // written to a temporary file; empty: a missing file
    QTest::newRow("missing file") << false << QByteArray();
    QTest::newRow("not a GIF") << false << QByteArray("GIF? no, just text");
    QTest::newRow("missing after a playing file") << true << QByteArray();
    QTest::newRow("truncated GIF after a playing file") << true << QByteArray("GIF89a\x10\x00", 8);
}

void TestGIFMessageBox::unreadableFileLeavesThePictureEmpty()
{
    QFETCH(bool, playFirst);
    QFETCH(QByteArray, content);

    QTemporaryFile file;
    QString fileName = QStringLiteral("/nonexistent/folder/calibrator.gif");
    if (!content.isEmpty()) {
        QVERIFY(file.open());
        file.write(content);
        file.close();
        fileName = file.fileName();
    }

    GIFMessageBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto *left = part<QLabel>(box, "lblGifLeft");
    if (playFirst) {
        box.setGIF(0, kCalibratorGif);
        QTRY_VERIFY(near(gifCentre(left), kCalibratorDot));
    }

    MessageCounter messages;
    box.setGIF(0, fileName);
    box.start();
    QTest::qWait(250);
    QCOMPARE(messages.count(), 0);
    QVERIFY(!near(gifCentre(left), kCalibratorDot));
    QVERIFY(!left->movie() || left->movie()->currentPixmap().isNull());

    // A readable file afterwards plays in the same picture again.
    box.setGIF(0, kCalibratorGif);
    QVERIFY(left->movie());
    QTRY_VERIFY(left->movie()->currentFrameNumber() >= 2);
    QVERIFY(near(gifCentre(left), kCalibratorDot));
    QCOMPARE(movies(box).size(), 2);
}

void TestGIFMessageBox::setMarkdownReplacesTheMessage()
{
    GIFMessageBox box;
    box.setMarkdown(QStringLiteral("Press **OK** when the calibrator is ready."));
    auto *message = part<QTextEdit>(box, "edtMessage");
    QCOMPARE(message->toPlainText(), QStringLiteral("Press OK when the calibrator is ready."));
    QTextCursor cursor(message->document());
    cursor.setPosition(7); // inside "OK"
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
    cursor.setPosition(3);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
    QVERIFY(message->isReadOnly());

    box.setMarkdown(QStringLiteral("1. Connect\n2. Measure\n"));
    QCOMPARE(message->document()->blockCount(), 2);
    QVERIFY(message->document()->firstBlock().textList());
}

void TestGIFMessageBox::buttonsEndExec_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << int(QDialogButtonBox::Ok) << int(QDialog::Accepted);
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << int(QDialog::Rejected);
}

void TestGIFMessageBox::buttonsEndExec()
{
    QFETCH(int, button);
    QFETCH(int, result);

    GIFMessageBox box;
    box.setGIF(0, kCalibratorGif);
    box.setGIF(1, kInstrumentGif);
    bool clicked = false;
    QTimer::singleShot(0, this, [&]() {
        auto *active = qobject_cast<GIFMessageBox *>(QApplication::activeModalWidget());
        auto *buttons = active ? active->findChild<QDialogButtonBox *>() : nullptr;
        QPushButton *target = buttons ? buttons->button(QDialogButtonBox::StandardButton(button)) : nullptr;
        if (!target) {
            box.done(-1);
            return;
        }
        clicked = true;
        QTest::mouseClick(target, Qt::LeftButton);
    });
    QCOMPARE(box.exec(), result);
    QVERIFY(clicked);
    QVERIFY(!box.isVisible());
}

QTEST_MAIN(TestGIFMessageBox)
#include "tst_gifmessagebox.moc"
