#include "app/ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>
#include <memory>

namespace dorvik {
namespace {

constexpr char kChineseFile[] = "dorvik_zh_CN";

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

UiLanguage ChosenLanguage(const LanguageStore& store, const QLocale& locale) {
    if (const auto stored = store.Get()) {
        return *stored == static_cast<std::uint32_t>(UiLanguage::Chinese) ? UiLanguage::Chinese
                                                                         : UiLanguage::English;
    }
    return locale.language() == QLocale::Chinese ? UiLanguage::Chinese : UiLanguage::English;
}

QStringList TranslationDirs() {
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir(program).filePath(QStringLiteral("../share/dorvik/translations")),
            QDir(program).filePath(QStringLiteral("translations")),
            QStringLiteral(DORVIK_TRANSLATIONS_BUILD_DIR)};
}

bool InstallLanguage(UiLanguage language) {
    auto& installed = Installed();
    if (installed) QCoreApplication::removeTranslator(installed.get());
    installed.reset();
    if (language == UiLanguage::English) return true;
    auto translator = std::make_unique<QTranslator>();
    for (const QString& dir : TranslationDirs()) {
        if (!translator->load(QString::fromLatin1(kChineseFile), dir)) continue;
        QCoreApplication::installTranslator(translator.get());
        installed = std::move(translator);
        return true;
    }
    return false;
}

UiLanguage InstalledLanguage() {
    return Installed() ? UiLanguage::Chinese : UiLanguage::English;
}

}  // namespace dorvik
