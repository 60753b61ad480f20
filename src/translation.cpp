#include <widget/widget_config.h>

#include <QLocale>
#include <QTranslator>

namespace rilo {
namespace widget {

bool loadTranslation(QTranslator *translator, const QLocale &locale)
{
    if (!translator)
        return false;
    // QTranslator tries the locale's UI languages in order of preference,
    // from "rilo_widget_zh_CN" down to "rilo_widget_zh".
    return translator->load(locale, QStringLiteral("rilo_widget"), QStringLiteral("_"),
                            QStringLiteral(":/rilo_widget/translations"));
}

} // namespace widget
} // namespace rilo
