#pragma once
// Which language the window speaks, and loading its translation.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "model/language_store.h"

namespace dorvik {

// The numbers the language store keeps.
enum class UiLanguage : std::uint32_t { English = 0, Chinese = 1 };

// The stored choice; until the user has chosen, Chinese for a Chinese
// locale (LANG=zh_CN.UTF-8) and English otherwise.
UiLanguage ChosenLanguage(const LanguageStore& store, const QLocale& locale = QLocale::system());

// The folder of the compiled translations: translations in the program's
// shipped data (installed or in the build tree); none when that is not found.
QStringList TranslationDirs();

// Installs the translation of language into the application, replacing the
// one installed before; English removes it. False when the translation file
// was not found (the window then stays English).
bool InstallLanguage(UiLanguage language);
// The language whose translation is installed now.
UiLanguage InstalledLanguage();

}  // namespace dorvik
