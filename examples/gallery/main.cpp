// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// rilo-widget-gallery: shows every widget family of librilo_widget in use.
//
//   rilo-widget-gallery                 opens the gallery window
//   rilo-widget-gallery --screenshot DIR
//                                       renders every page offscreen, writes
//                                       DIR/<page>.png and exits
//   --language de_DE | zh_CN            starts in that language (a switch in the
//                                       window's tool bar changes it later)
//
// Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) it takes screenshots
// into "screenshots/".
#include "gallerywindow.h"
#include "simulatedsupply.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <QTimer>

#include <cstdio>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Renders each page into DIR/<id>.png. Returns the process exit code.
int takeScreenshots(GalleryWindow &window, const QString &dirName)
{
    QDir dir;
    if (!dir.mkpath(dirName)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dirName));
        return 1;
    }
    window.resize(1000, 680);
    window.show();
    for (int i = 0; i < window.pageCount(); ++i) {
        window.showPage(i);
        // Let the simulated instrument tick a few times and the layouts settle.
        QEventLoop loop;
        QTimer::singleShot(400, &loop, &QEventLoop::quit);
        loop.exec();
        const QString file = QDir(dirName).filePath(window.pageId(i) + QStringLiteral(".png"));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Decide on the platform before QApplication exists.
    QString screenshotDir;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--screenshot") == 0)
            screenshotDir = (i + 1 < argc && argv[i + 1][0] != '-') ? QString::fromLocal8Bit(argv[i + 1])
                                                                    : QStringLiteral("screenshots");
    }
    if (screenshotDir.isEmpty() && !hasDisplay())
        screenshotDir = QStringLiteral("screenshots");
    if (!screenshotDir.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rilo-widget-gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every widget family of librilo_widget."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("screenshot"),
                      QStringLiteral("Render every page offscreen into <dir> (default screenshots) and exit."),
                      QStringLiteral("dir")});
    parser.addOption(
        {QStringLiteral("language"), QStringLiteral("Start in <locale>: de_DE or zh_CN."), QStringLiteral("locale")});
    parser.parse(QApplication::arguments());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);

    if (!screenshotDir.isEmpty()) {
        // The same font everywhere, so screenshots look alike on every machine.
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        QApplication::setFont(font);
    }

    SimulatedSupply supply;
    GalleryWindow window(&supply);
    if (parser.isSet(QStringLiteral("language")))
        window.setLanguage(parser.value(QStringLiteral("language")));
    if (!screenshotDir.isEmpty())
        return takeScreenshots(window, screenshotDir);

    window.resize(1000, 680);
    window.show();
    return app.exec();
}
