// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

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

class QLocale;
class QTranslator;

namespace rilo {
namespace widget {

/*!
 * Loads the library's own translation catalog for \a locale into
 * \a translator, which the host then installs with
 * QCoreApplication::installTranslator(). The catalogs (German and Simplified
 * Chinese so far) are built into the library, so no file has to be found.
 *
 * The library installs nothing by itself: a host that never calls this gets
 * the English texts. Returns false, leaving \a translator as it was, when
 * \a translator is null or there is no catalog for any of the locale's UI
 * languages.
 *
 * Installing or removing a catalog while the application runs switches the
 * library's open dialogs and selectors to the new language
 * (QEvent::LanguageChange): DlgDevChoose, GIFMessageBox, SpinBoxDialog,
 * CheckButtonAndSpinBoxDialog and CCheckbox retranslate their own texts and
 * keep what the user entered and the texts the host set.
 *
 * \code
 * QTranslator translator;
 * if (rilo::widget::loadTranslation(&translator, QLocale()))
 *     app.installTranslator(&translator);
 * \endcode
 */
RILO_WIDGET_EXPORT bool loadTranslation(QTranslator *translator, const QLocale &locale);

} // namespace widget
} // namespace rilo
