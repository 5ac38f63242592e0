#pragma once
// The one crossing between the tool's GB18030 texts and the widgets' QString.
#include <QString>
#include <string>

namespace dorvik {

// GB18030 bytes -> QString.
QString ToQString(const std::string& gb);
// QString -> GB18030 bytes (nothing is lost: GB18030 encodes all of Unicode).
std::string FromQString(const QString& text);

}  // namespace dorvik
