// The program's own icon, compiled into it at the icon theme's sizes, for all its windows.
#ifndef LIREX_COMMON_PROGRAM_ICON_H_
#define LIREX_COMMON_PROGRAM_ICON_H_

#include <QIcon>
#include <QString>

namespace lirex {

// The icon of resource folder ":/icons/<name>"; empty when the program carries none.
QIcon ProgramIcon(const QString& name);

}  // namespace lirex

#endif  // LIREX_COMMON_PROGRAM_ICON_H_
