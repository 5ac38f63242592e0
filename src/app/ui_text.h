#pragma once
// The user's language for every text the window shows. English texts are
// the keys; without an installed translation every text stays as it is.
#include <QString>
#include <string>

class QWidget;

namespace dorvik {

// The one translation context of the tool.
inline constexpr char kTextContext[] = "DORVIK";

// A literal English text of the window.
QString Tr(const char* english);
QString Tr(const QString& english);

// A text the toolkit-free core produced (GB18030): the whole text, else a
// composed form (such as "Cannot open COM3", see CorePatterns()), else each
// line by itself; what has no translation is shown as it is.
QString TrCore(const std::string& text);
QString TrCore(const QString& text);

// The run meter's progress text ("12 of 40, 1:05 left") in the user's language.
QString TrRunText(const std::string& text);

// Gives the standard buttons (Yes, No, Cancel, OK) of the message box or
// button box in widget, or of the button boxes inside it, the user's language;
// untranslated they keep the toolkit's own texts.
void TrStandardButtons(QWidget* widget);

}  // namespace dorvik
