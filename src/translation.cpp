// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/widget_config.h>

#include <QLocale>
#include <QTranslator>

// The catalogs' resource. In a static library its object file is linked
// into the application only when something refers to it; this reference
// does. Qt registers a resource once however often it is initialised.
static void initTranslationResource()
{
    Q_INIT_RESOURCE(rilo_widget_translations);
}

namespace rilo {
namespace widget {

bool loadTranslation(QTranslator *translator, const QLocale &locale)
{
    if (!translator)
        return false;
    initTranslationResource();
    // QTranslator tries the locale's UI languages in order of preference,
    // from "rilo_widget_zh_CN" down to "rilo_widget_zh".
    return translator->load(locale, QStringLiteral("rilo_widget"), QStringLiteral("_"),
                            QStringLiteral(":/rilo_widget/translations"));
}

} // namespace widget
} // namespace rilo
