#include "app/qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace corvane {

namespace {

// Face names the forms and reports use, in Chinese and in their Latin names.
constexpr const char* kChineseFaces[] = {
    "黑体",   "宋体",   "新宋体",  "仿宋",     "楷体",  "微软雅黑",
    "SimHei", "SimSun", "NSimSun", "FangSong", "KaiTi", "Microsoft YaHei",
};

// CJK faces to map them onto, the first installed one wins.
constexpr const char* kCjkFaces[] = {
    "WenQuanYi Zen Hei",
    "WenQuanYi Micro Hei",
    "Noto Sans CJK SC",
    "Droid Sans Fallback",
};

QString installedCjkFace() {
  const QStringList families = QFontDatabase::families();
  for (const char* face : kCjkFaces)
    if (families.contains(QString::fromUtf8(face), Qt::CaseInsensitive))
      return QString::fromUtf8(face);
  return QString::fromUtf8(kCjkFaces[0]);
}

}  // namespace

void installFontSubstitutions() {
  const QString cjk = installedCjkFace();
  for (const char* face : kChineseFaces) QFont::insertSubstitution(QString::fromUtf8(face), cjk);
}

QFont formFont() {
  QFont font(QString::fromUtf8("宋体"));
  font.setPointSizeF(9);
  return font;
}

}  // namespace corvane
