#pragma once
// The desktop's side of the choice of language: the locale's preferred
// languages against the translations built into the program.
#include <QFont>
#include <QLocale>

namespace zorbel::ui {

bool SpeaksRussian(const QLocale& locale);

// Puts the translation for `locale` in force for every text made from now
// on, or takes it away again for Russian, and sets the application's layout
// direction to the language's. Returns whether a translation is in force.
bool UseTranslationFor(const QLocale& locale);

// `font`, followed by the font that writes the translation's script the way
// its readers expect, if it needs one.
QFont WithScriptFont(QFont font);

}  // namespace zorbel::ui
