#include "app/qt/program_icon.h"

#include <QDirIterator>

namespace corvane {

// Every size of the resource tree ":/icons/NxN/apps/corvane.png".
QIcon programIcon() {
  QIcon icon;
  QDirIterator pictures(QStringLiteral(":/icons"), {QStringLiteral("corvane.png")}, QDir::Files,
                        QDirIterator::Subdirectories);
  while (pictures.hasNext()) icon.addFile(pictures.next());
  return icon;
}

}  // namespace corvane
