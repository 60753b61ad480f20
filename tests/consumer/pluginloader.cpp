// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Loads a Designer plug-in from the path given on the command line, as Qt Designer does, and creates each of its
// widgets. Exit code 0 when all of that works.
#include <QApplication>
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: plugin-loader <plug-in file>\n");
        return 2;
    }
    QPluginLoader loader(QString::fromLocal8Bit(argv[1]));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
    if (!collection) {
        std::fprintf(stderr, "not loaded: %s\n", qPrintable(loader.errorString()));
        return 1;
    }
    const auto widgets = collection->customWidgets();
    int created = 0;
    for (QDesignerCustomWidgetInterface *widget : widgets) {
        std::unique_ptr<QWidget> instance(widget->createWidget(nullptr));
        if (instance)
            ++created;
        else
            std::fprintf(stderr, "no widget for %s\n", qPrintable(widget->name()));
    }
    std::printf("%d of %d widgets created\n", created, int(widgets.size()));
    return !widgets.isEmpty() && created == widgets.size() ? 0 : 1;
}
