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
// Writes start.jpg and logo.bmp into dataDir when they are missing (making
// the folder); false when one could not be written.
bool EnsureStartPictures(const QString& dataDir);
// newstart.jpg when it exists and loads, else start.jpg; null when neither.
QImage LoadStartPicture(const QString& dataDir);

}  // namespace dorvik
