// The programs' named faces, each backed by an installed CJK face where the named one is absent.
#ifndef LIREX_COMMON_FONTS_H_
#define LIREX_COMMON_FONTS_H_

#include <QFont>

namespace lirex {

// 宋体 (a Song face).
QFont SongTi(double point_size, bool bold = false);

// 微软雅黑 (a sans-serif face).
QFont YaHei(double point_size);

}  // namespace lirex

#endif  // LIREX_COMMON_FONTS_H_
