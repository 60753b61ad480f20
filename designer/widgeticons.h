// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Widget-box icons of the Designer plug-in, drawn in code so that they follow
// the widgets' own default colours.
#pragma once

#include <QIcon>

namespace widgeticons {

QIcon stateLabel();
QIcon stateWidgetBox();
QIcon valueWidget();
QIcon powerSupply();
QIcon flagPanelText();
QIcon flagPanelState();
QIcon onOffSelector();
QIcon fileDropComboBox();

} // namespace widgeticons
