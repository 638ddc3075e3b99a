#include "ui/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>
#include <string>
#include <vector>

#include "common/Language.h"

namespace zorbel::ui {

namespace {

const QString kTranslations = QStringLiteral(":/i18n");

// The translations built into the program, by language: zorbel_de.qm is "de".
std::vector<std::string> BuiltInLanguages() {
    std::vector<std::string> names;
    for (const QString& file : QDir(kTranslations).entryList({QStringLiteral("zorbel_*.qm")}, QDir::Files)) {
        names.push_back(file.mid(7, file.size() - 10).toStdString());
    }
    return names;
}

std::string LanguageFor(const QLocale& locale) {
    std::vector<std::string> preferred;
    if (locale.language() == QLocale::C) preferred.emplace_back("C");
    for (const QString& name : locale.uiLanguages()) preferred.push_back(name.toStdString());
    return ChooseLanguage(preferred, BuiltInLanguages());
}

}  // namespace

bool SpeaksRussian(const QLocale& locale) { return LanguageFor(locale) == kSourceLanguage; }

bool UseTranslationFor(const QLocale& locale) {
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    const std::string language = LanguageFor(locale);
    if (language == kSourceLanguage) return false;
    const QString file = QStringLiteral("%1/zorbel_%2.qm").arg(kTranslations, QString::fromStdString(language));
    return translator.load(file) && QCoreApplication::installTranslator(&translator);
}

}  // namespace zorbel::ui
