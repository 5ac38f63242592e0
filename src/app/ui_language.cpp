#include "app/ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

#include "app/data_dir.h"

namespace dorvik {
namespace {

constexpr char kChineseFile[] = "dorvik_zh_CN";
// The toolkit's own texts (file dialogs, edit menus), when installed.
constexpr char kToolkitFile[] = "qtbase_zh_CN";

std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

bool Install(const QString& file, const QStringList& dirs) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& dir : dirs) {
        if (!translator->load(file, dir)) continue;
        QCoreApplication::installTranslator(translator.get());
        Installed().push_back(std::move(translator));
        return true;
    }
    return false;
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
    const QString data = QString::fromStdString(ProgramDataDir());
    if (data.isEmpty()) return {};
    return {QDir(data).filePath(QStringLiteral("translations"))};
}

bool InstallLanguage(UiLanguage language) {
    for (const auto& t : Installed()) QCoreApplication::removeTranslator(t.get());
    Installed().clear();
    if (language == UiLanguage::English) return true;
    if (!Install(QString::fromLatin1(kChineseFile), TranslationDirs())) return false;
    Install(QString::fromLatin1(kToolkitFile), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    return true;
}

UiLanguage InstalledLanguage() {
    return Installed().empty() ? UiLanguage::English : UiLanguage::Chinese;
}

}  // namespace dorvik
