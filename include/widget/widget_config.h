/*!
 * \file widget_config.h
 * Library-wide configuration of librilo_widget: the export macro, the version
 * and the namespaces. Every public header of the library includes it first.
 */
#pragma once

#include <widget/rilo_widget_export.h>
#include <widget/rilo_widget_version.h>

/*!
 * \namespace rilo::widget
 * Widgets and dialogs for applications that control and read out laboratory
 * and test instruments.
 */

/*!
 * \namespace rilo::widget::measure
 * Measurement readouts: values with units and power-supply panels.
 */
