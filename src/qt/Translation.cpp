#include "qt/Translation.h"

#include <QDir>
#include <QGuiApplication>
#include <QTranslator>
#include <string>
#include <vector>

#include "common/Language.h"

namespace zorbel::ui {

namespace {

const QString kTranslations = QStringLiteral(":/i18n");

// Japanese, Korean and the two written forms of Chinese share the Han
// characters but draw many of them differently. The desktop picks a font
// for them by the system's locale, which may not be the language the game
// speaks, so the game names the one that suits its translation (from
// fonts-noto-cjk, which the package recommends). Other scripts have one
// form, which the desktop's fallback finds by itself.
struct HanFont {
    std::string_view language;
    const char* family;
};
constexpr HanFont kHanFonts[] = {{"ja", "Noto Sans CJK JP"},
                                 {"ko", "Noto Sans CJK KR"},
                                 {"zh_CN", "Noto Sans CJK SC"},
                                 {"zh_TW", "Noto Sans CJK TC"}};

QString scriptFont;  // for the translation in force, or empty

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
    // The menus and labels follow the language's direction; widgets that
    // must not, such as the board, say so themselves.
    QGuiApplication::setLayoutDirection(IsRightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight);
    scriptFont.clear();
    for (const HanFont& f : kHanFonts) {
        if (f.language == language) scriptFont = QString::fromLatin1(f.family);
    }
    if (language == kSourceLanguage) return false;
    const QString file = QStringLiteral("%1/zorbel_%2.qm").arg(kTranslations, QString::fromStdString(language));
    return translator.load(file) && QCoreApplication::installTranslator(&translator);
}

QFont WithScriptFont(QFont font) {
    if (!scriptFont.isEmpty()) font.setFamilies(font.families() << scriptFont);
    return font;
}

}  // namespace zorbel::ui
