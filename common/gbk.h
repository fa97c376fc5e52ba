// The one place where texts cross between the core's GBK byte strings and Qt's Unicode strings.
#ifndef LIREX_COMMON_GBK_H_
#define LIREX_COMMON_GBK_H_

#include <QString>
#include <string>
#include <string_view>

namespace lirex {

// For literals: the source is UTF-8, the core's texts are GBK.
std::string Gbk(std::string_view utf8);

QString FromGbk(std::string_view gbk);
// Characters outside GBK become "?"; every byte from 0x80 up opens a two-byte character.
std::string ToGbk(const QString& text);

}  // namespace lirex

#endif  // LIREX_COMMON_GBK_H_
