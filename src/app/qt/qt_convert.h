// Conversions between the model's UTF-8 texts and colours and Qt's types.
#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "model/color.h"

namespace corvane {

inline QString toQString(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string toStd(const QString& text) {
  return text.toStdString();
}
inline QColor toQColor(Rgb color) {
  return QColor(color.r, color.g, color.b);
}

// Layout positions come in twips; the screen has 15 twips to a pixel (96 dpi).
inline constexpr int kTwipsPerPixel = 15;
inline int twipsToPixels(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

}  // namespace corvane
