#include "common/fonts.h"

#include <QStringList>

namespace lirex {
namespace {

QFont Face(const QStringList& families, double point_size, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(point_size);
  font.setBold(bold);
  return font;
}

}  // namespace

QFont SongTi(double point_size, bool bold) {
  return Face({QStringLiteral("宋体"), QStringLiteral("SimSun"),
               QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")},
              point_size, bold);
}

QFont YaHei(double point_size) {
  return Face({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
               QStringLiteral("Noto Sans CJK SC")},
              point_size, false);
}

}  // namespace lirex
