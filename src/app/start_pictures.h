#pragma once
// Our own start picture and about logo, painted in code, and the choice of
// the picture the splash shows.
#include <QImage>
#include <QString>

namespace dorvik {

inline constexpr const char* kStartPictureFile = "start.jpg";
inline constexpr const char* kNewStartPictureFile = "newstart.jpg";
inline constexpr const char* kAboutLogoFile = "logo.bmp";
// The about box treats this colour of the logo as transparent.
inline constexpr QRgb kLogoBackground = qRgb(244, 244, 244);

QImage DrawStartPicture();
QImage DrawAboutLogo();
// The picture `name` in dataDir when it is there, else the one shipped with
// the program.
QString PicturePath(const QString& dataDir, const char* name);
// Writes start.jpg and logo.bmp into dataDir when neither dataDir nor the
// program's shipped data holds them (making the folder); false when one
// could not be written.
bool EnsureStartPictures(const QString& dataDir);
// newstart.jpg when it exists and loads, else start.jpg (own, else shipped);
// null when neither.
QImage LoadStartPicture(const QString& dataDir);

}  // namespace dorvik
