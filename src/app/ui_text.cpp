#include "app/ui_text.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRegularExpression>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "app/core_patterns.h"
#include "app/qt_text.h"

namespace dorvik {
namespace {

// Composed texts are taken apart down to this depth (a piece may itself be
// a composed text, such as the reason inside "Unable to open hyperlink").
constexpr int kMaxDepth = 2;

struct Pattern {
    const char* source;
    QRegularExpression match;
};

// "%1" and "%2" become lazy captures; everything else is matched as it is.
QRegularExpression ToRegex(const QString& pattern) {
    QString regex;
    static const QRegularExpression piece(QStringLiteral("%[1-9]"));
    qsizetype at = 0;
    for (auto it = piece.globalMatch(pattern); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        regex += QRegularExpression::escape(pattern.mid(at, m.capturedStart() - at));
        regex += QStringLiteral("(.+?)");
        at = m.capturedEnd();
    }
    regex += QRegularExpression::escape(pattern.mid(at));
    return QRegularExpression(QRegularExpression::anchoredPattern(regex),
                              QRegularExpression::DotMatchesEverythingOption);
}

std::vector<Pattern> MakePatterns(std::span<const char* const> forms) {
    std::vector<Pattern> all;
    for (const char* p : forms) all.push_back({p, ToRegex(QString::fromUtf8(p))});
    return all;
}

const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = MakePatterns(CorePatterns());
    return patterns;
}

const std::vector<Pattern>& RunPatterns() {
    static const std::vector<Pattern> patterns = MakePatterns(RunMeterForms());
    return patterns;
}

// Puts the pieces into a translated form in one pass, so a piece holding
// "%1" is left alone.
QString Fill(const QString& form, const QStringList& pieces) {
    QString out;
    for (qsizetype i = 0; i < form.size(); ++i) {
        const int n = i + 1 < form.size() ? form[i + 1].digitValue() : -1;
        if (form[i] == QLatin1Char('%') && n >= 1 && n <= pieces.size()) {
            out += pieces[n - 1];
            ++i;
        } else {
            out += form[i];
        }
    }
    return out;
}

QString Translate(const QString& text, int depth);

std::optional<QString> TranslateComposed(const QString& text, int depth,
                                         const std::vector<Pattern>& patterns = Patterns()) {
    for (const Pattern& p : patterns) {
        const QRegularExpressionMatch m = p.match.match(text);
        if (!m.hasMatch()) continue;
        QStringList pieces;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            pieces << (depth < kMaxDepth ? Translate(m.captured(i), depth + 1) : m.captured(i));
        return Fill(Tr(p.source), pieces);
    }
    return std::nullopt;
}

QString TranslateLine(const QString& line, int depth) {
    const QString whole = Tr(line);
    if (whole != line || line.isEmpty()) return whole;
    return TranslateComposed(line, depth).value_or(line);
}

QString Translate(const QString& text, int depth) {
    const QString whole = Tr(text);
    if (whole != text) return whole;
    if (auto composed = TranslateComposed(text, depth)) return *composed;
    if (!text.contains(QLatin1Char('\n'))) return text;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) line = TranslateLine(line, depth);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString Tr(const char* english) {
    return QCoreApplication::translate(kTextContext, english);
}

QString Tr(const QString& english) {
    return QCoreApplication::translate(kTextContext, english.toUtf8().constData());
}

QString TrCore(const QString& text) {
    return Translate(text, 0);
}

QString TrCore(const std::string& text) {
    return TrCore(ToQString(text));
}

QString TrRunText(const std::string& text) {
    const QString english = ToQString(text);
    return TranslateComposed(english, kMaxDepth, RunPatterns()).value_or(english);
}

void TrStandardButtons(QWidget* widget) {
    const std::pair<QDialogButtonBox::StandardButton, const char*> names[] = {
        {QDialogButtonBox::Yes, "&Yes"},
        {QDialogButtonBox::No, "&No"},
        {QDialogButtonBox::Cancel, "Cancel"},
        {QDialogButtonBox::Ok, "OK"}};
    QList<QDialogButtonBox*> boxes = widget->findChildren<QDialogButtonBox*>();
    if (auto* self = qobject_cast<QDialogButtonBox*>(widget)) boxes << self;
    for (QDialogButtonBox* box : boxes) {
        for (auto [id, english] : names) {
            QPushButton* button = box->button(id);
            if (button && Tr(english) != QLatin1String(english)) button->setText(Tr(english));
        }
    }
}

}  // namespace dorvik
