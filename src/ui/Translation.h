#pragma once
// The game speaks Russian, its own language, to players whose first
// language is Russian and under the plain C locale; everyone else gets the
// English translation, built into the program, until more exist.
#include <QLocale>

namespace zorbel::ui {

bool SpeaksRussian(const QLocale& locale);

// Puts the translation for `locale` in force for every text made from now
// on, or takes it away again for Russian. Returns whether one is in force.
bool UseTranslationFor(const QLocale& locale);

}  // namespace zorbel::ui
