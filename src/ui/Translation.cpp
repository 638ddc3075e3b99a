#include "ui/Translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace zorbel::ui {

bool SpeaksRussian(const QLocale& locale) {
    if (locale.language() == QLocale::C) return true;
    const QString first = locale.uiLanguages().value(0);
    return first == QLatin1String("C") || first.startsWith(QLatin1String("ru"));
}

bool UseTranslationFor(const QLocale& locale) {
    static QTranslator english;
    QCoreApplication::removeTranslator(&english);
    if (SpeaksRussian(locale)) return false;
    return english.load(QStringLiteral(":/i18n/zorbel_en.qm")) && QCoreApplication::installTranslator(&english);
}

}  // namespace zorbel::ui
