// The base as a file: exported as its entries, imported from a file of three-digit entries.
//
// An imported file may be UTF-8 (with or without a byte-order mark) or GBK, and may separate its
// entries by spaces, tabs, commas (also "，" and "、") or line breaks. Every entry must be
// exactly three ASCII digits; a file with anything else is refused whole, naming the place.
#ifndef LIREX_SHRINKER_BASE_FILE_H_
#define LIREX_SHRINKER_BASE_FILE_H_

#include <string>
#include <string_view>
#include <variant>

#include "shrinker/conditions_file.h"

namespace lirex {

// The base's entries (its three-digit pieces), separated by spaces, ending in a line break.
std::string WriteBaseFile(std::string_view base_text);

// The base text ("123 456 ", each number once, in the file's order) or where the file is wrong.
std::variant<std::string, FileError> ReadBaseFile(std::string_view bytes);

}  // namespace lirex

#endif  // LIREX_SHRINKER_BASE_FILE_H_
