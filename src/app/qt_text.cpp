#include "app/qt_text.h"

#include "model/text_codec.h"

namespace dorvik {

QString ToQString(const std::string& gb) {
    const std::u16string utf16 = GbToUtf16(gb);
    return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

std::string FromQString(const QString& text) {
    return Utf16ToGb(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<std::size_t>(text.size())));
}

}  // namespace dorvik
