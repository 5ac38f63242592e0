#include "app/qt_file_chooser.h"

#include <QFileDialog>
#include <QRegularExpression>
#include <QStringList>

#include "app/qt_text.h"
#include "app/ui_text.h"

namespace dorvik {
namespace {

QString OneFilter(const QString& description, const QString& pattern) {
    QString patterns = pattern;
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns = patterns.simplified();
    const QString bracketed = QStringLiteral("(%1)").arg(patterns);
    if (description.trimmed().endsWith(bracketed)) return description.trimmed();
    if (description.trimmed().isEmpty()) return bracketed;
    return QStringLiteral("%1 %2").arg(description.trimmed(), bracketed);
}

}  // namespace

QString ToQtFilter(const std::string& filter) {
    const QStringList parts = TrCore(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty()) break;  // the closing "||"
        filters << OneFilter(parts[i], parts[i + 1]);
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> QtFileChooser::ChooseOpen(const std::string& filter,
                                                     const std::string& defaultExt) {
    return Run(false, filter, defaultExt, {});
}

std::optional<std::string> QtFileChooser::ChooseSave(const std::string& filter,
                                                     const std::string& defaultExt,
                                                     const std::string& suggestedName) {
    return Run(true, filter, defaultExt, suggestedName);
}

std::optional<std::string> QtFileChooser::Run(bool save, const std::string& filter,
                                              const std::string& defaultExt,
                                              const std::string& name) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(ToQtFilter(filter));
    QString ext = ToQString(defaultExt);
    if (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
    dialog.setDefaultSuffix(ext);
    // A name typed without extension takes the kind of the chosen filter.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        static const QRegularExpression first(QStringLiteral("\\(\\*\\.(\\w+)"));
        const QRegularExpressionMatch m = first.match(f);
        if (m.hasMatch()) dialog.setDefaultSuffix(m.captured(1));
    });
    if (!name.empty()) dialog.selectFile(TrCore(name));
    // The toolkit's own title ("Open", "Save As") unless the user's language has one.
    const char* title = save ? "Save As" : "Open";
    if (Tr(title) != QLatin1String(title)) dialog.setWindowTitle(Tr(title));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace dorvik
