// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// One widget class of the library as Qt Designer sees it.
#pragma once

#include <QIcon>
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

struct RiloWidgetDescription
{
    QString className;   // fully qualified, as uic writes it into the generated code
    QString objectName;  // default object name of a new instance in a form
    QString includeFile; // as the host includes it: <widget/...>
    QString extends;     // the nearest Qt base class, as forms declare it
    QString toolTip;
    QString whatsThis;
    QSize defaultSize;
    std::function<QWidget *(QWidget *parent)> create;
    std::function<QIcon()> icon;
};

class RiloWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit RiloWidgetPlugin(RiloWidgetDescription description, QObject *parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

private:
    RiloWidgetDescription m_description;
    bool m_initialized = false;
};
