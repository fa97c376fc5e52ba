#include "skin/skin_format.h"

#include <QByteArrayView>
#include <QStringList>
#include <array>
#include <cstdint>

namespace lirex::skin {
namespace {

constexpr std::string_view kMagic("\x2eSHE\0\x01", 6);
constexpr size_t kHeaderBytes = 12;  // magic and version, body length, checksum

struct ColourKey {
  const char* key;
  QColor Skin::*colour;
};

constexpr std::array<ColourKey, 9> kColourKeys = {{
    {"window", &Skin::window},
    {"window_text", &Skin::window_text},
    {"base", &Skin::base},
    {"text", &Skin::text},
    {"button", &Skin::button},
    {"button_text", &Skin::button_text},
    {"highlight", &Skin::highlight},
    {"highlighted_text", &Skin::highlighted_text},
    {"border", &Skin::border},
}};

// ASCII only: QChar::isDigit and Qt's number conversions also take full-width and other
// scripts' digits.
int AsciiDigitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  int value = 99;
  if (u >= u'0' && u <= u'9') value = u - u'0';
  if (u >= u'a' && u <= u'f') value = u - u'a' + 10;
  if (u >= u'A' && u <= u'F') value = u - u'A' + 10;
  return value < base ? value : -1;
}

// A number of 1 to `max_digits` ASCII digits in `base`, nothing else.
std::optional<uint32_t> ParseAsciiNumber(const QString& text, int base, int max_digits) {
  if (text.isEmpty() || text.size() > max_digits) return std::nullopt;
  uint32_t value = 0;
  for (QChar c : text) {
    const int digit = AsciiDigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
  }
  return value;
}

// Only "#rrggbb": QColor's own parser takes names and other forms we do not want in files.
std::optional<QColor> ParseColour(const QString& text) {
  if (text.size() != 7 || text[0] != u'#') return std::nullopt;
  const std::optional<uint32_t> rgb = ParseAsciiNumber(text.mid(1), 16, 6);
  if (!rgb) return std::nullopt;
  return QColor::fromRgb(*rgb);
}

uint32_t ReadLittleEndian(std::string_view bytes, size_t offset, size_t width) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) {
    value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  }
  return value;
}

void WriteLittleEndian(std::string& bytes, uint32_t value, size_t width) {
  for (size_t i = 0; i < width; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

quint16 Checksum(std::string_view body) {
  return qChecksum(QByteArrayView(body.data(), static_cast<qsizetype>(body.size())));
}

}  // namespace

std::optional<Skin> ParseSkinBody(std::string_view body) {
  const QByteArrayView bytes(body.data(), static_cast<qsizetype>(body.size()));
  if (!bytes.isValidUtf8() || bytes.contains('\0')) return std::nullopt;
  Skin skin;
  bool has_name = false;
  std::array<bool, kColourKeys.size()> has_colour{};
  for (const QString& raw_line : QString::fromUtf8(bytes).split(u'\n')) {
    const QString line = raw_line.trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0) return std::nullopt;
    const QString key = line.left(equals).trimmed();
    const QString value = line.mid(equals + 1).trimmed();
    if (key == u"name") {
      if (value.isEmpty() || value.size() > 40) return std::nullopt;
      skin.name = value;
      has_name = true;
    } else if (key == u"radius") {
      const std::optional<uint32_t> radius = ParseAsciiNumber(value, 10, 2);
      if (!radius || *radius > 12) return std::nullopt;
      skin.radius = static_cast<int>(*radius);
    } else {
      for (size_t i = 0; i < kColourKeys.size(); ++i) {
        if (key != QLatin1String(kColourKeys[i].key)) continue;
        const std::optional<QColor> colour = ParseColour(value);
        if (!colour) return std::nullopt;
        skin.*kColourKeys[i].colour = *colour;
        has_colour[i] = true;
      }
    }
  }
  for (bool present : has_colour) {
    if (!present) return std::nullopt;
  }
  if (!has_name) return std::nullopt;
  return skin;
}

std::optional<Skin> ParseSkin(std::string_view file_bytes) {
  if (file_bytes.size() < kHeaderBytes || file_bytes.size() > kMaxSkinFileBytes)
    return std::nullopt;
  if (file_bytes.substr(0, kMagic.size()) != kMagic) return std::nullopt;
  const uint32_t body_length = ReadLittleEndian(file_bytes, 6, 4);
  if (body_length != file_bytes.size() - kHeaderBytes) return std::nullopt;
  const std::string_view body = file_bytes.substr(kHeaderBytes);
  if (ReadLittleEndian(file_bytes, 10, 2) != Checksum(body)) return std::nullopt;
  return ParseSkinBody(body);
}

std::string EncodeSkinBody(const Skin& skin) {
  QString body = QStringLiteral("name = %1\n").arg(skin.name);
  for (const ColourKey& key : kColourKeys) {
    body += QStringLiteral("%1 = %2\n").arg(QLatin1String(key.key), (skin.*key.colour).name());
  }
  body += QStringLiteral("radius = %1\n").arg(skin.radius);
  return body.toStdString();
}

std::string EncodeSkin(const Skin& skin) {
  const std::string body = EncodeSkinBody(skin);
  std::string file(kMagic);
  WriteLittleEndian(file, static_cast<uint32_t>(body.size()), 4);
  WriteLittleEndian(file, Checksum(body), 2);
  return file + body;
}

}  // namespace lirex::skin
