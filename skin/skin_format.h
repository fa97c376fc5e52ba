// Our skin file format. A file is the six bytes ".SHE", 0, 1 (format 1), the body's length
// (4 bytes, little-endian), its CRC-16 (ISO 3309, 2 bytes, little-endian) and the body: UTF-8
// lines "key = value" that name the skin, its colours and its corner radius. Anything else is
// not a skin.
#ifndef LIREX_SKIN_SKIN_FORMAT_H_
#define LIREX_SKIN_SKIN_FORMAT_H_

#include <QColor>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace lirex::skin {

struct Skin {
  QString name;
  QColor window;       // window and dialog background
  QColor window_text;  // labels, group titles
  QColor base;         // edit boxes
  QColor text;         // text in edit boxes
  QColor button;       // push-button face
  QColor button_text;
  QColor highlight;  // selection, hovered and focused frames
  QColor highlighted_text;
  QColor border;   // frames of buttons, group boxes and edits
  int radius = 3;  // corner radius of buttons and group boxes, 0 to 12 pixels
};

// Files larger than this are refused unread.
inline constexpr int kMaxSkinFileBytes = 64 * 1024;

// The body text; nullopt when a line is malformed, a colour or the radius is out of form, or a
// required key is missing. Unknown keys are passed over.
std::optional<Skin> ParseSkinBody(std::string_view body);

// A whole file; nullopt for anything that is not exactly a well-formed skin.
std::optional<Skin> ParseSkin(std::string_view file_bytes);

std::string EncodeSkinBody(const Skin& skin);
std::string EncodeSkin(const Skin& skin);

}  // namespace lirex::skin

#endif  // LIREX_SKIN_SKIN_FORMAT_H_
