#include "common/program_icon.h"

#include <QDir>

namespace lirex {

QIcon ProgramIcon(const QString& name) {
  QIcon icon;
  const QDir folder(QStringLiteral(":/icons/") + name);
  for (const QString& picture : folder.entryList({QStringLiteral("*.png")}, QDir::Files)) {
    icon.addFile(folder.filePath(picture));
  }
  return icon;
}

}  // namespace lirex
