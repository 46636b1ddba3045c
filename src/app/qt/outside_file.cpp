#include "app/qt/outside_file.h"

#include <QFileInfo>
#include <QString>

namespace corvane {

OutsideFileKind outsideFileKind(const std::string& path) {
  if (QFileInfo(QString::fromStdString(path)).suffix().compare(u"cvd", Qt::CaseInsensitive) == 0)
    return OutsideFileKind::DesignProject;
  return OutsideFileKind::ElectricalDesign;
}

std::string absoluteFilePath(const std::string& path) {
  if (path.empty()) return path;
  return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

}  // namespace corvane
