#include "skin/skin_format.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace lirex::skin {
namespace {

Skin Sample() {
  Skin skin;
  skin.name = QStringLiteral("试样 Sample");
  skin.window = QColor("#102030");
  skin.window_text = QColor("#405060");
  skin.base = QColor("#708090");
  skin.text = QColor("#a0b0c0");
  skin.button = QColor("#d0e0f0");
  skin.button_text = QColor("#010203");
  skin.highlight = QColor("#040506");
  skin.highlighted_text = QColor("#070809");
  skin.border = QColor("#0a0b0c");
  skin.radius = 7;
  return skin;
}

bool SameSkin(const Skin& a, const Skin& b) { return EncodeSkinBody(a) == EncodeSkinBody(b); }

TEST(SkinFormat, RoundTripsEveryField) {
  const std::string file = EncodeSkin(Sample());
  EXPECT_EQ(file.substr(0, 5), std::string(".SHE\0", 5));
  const std::optional<Skin> parsed = ParseSkin(file);
  ASSERT_TRUE(parsed.has_value());
  EXPECT_TRUE(SameSkin(*parsed, Sample()));
  EXPECT_EQ(parsed->name, QStringLiteral("试样 Sample"));
  EXPECT_EQ(parsed->radius, 7);
}

TEST(SkinFormat, BodyAcceptsCommentsBlankLinesAndUnknownKeys) {
  std::string body = "# a comment\n\n  future_key = anything  \n" + EncodeSkinBody(Sample());
  const std::optional<Skin> parsed = ParseSkinBody(body);
  ASSERT_TRUE(parsed.has_value());
  EXPECT_TRUE(SameSkin(*parsed, Sample()));
}

TEST(SkinFormat, RefusesMalformedBodies) {
  const std::string good = EncodeSkinBody(Sample());
  const auto replaced = [&good](const std::string& from, const std::string& to) {
    std::string body = good;
    body.replace(body.find(from), from.size(), to);
    return body;
  };
  const struct {
    const char* name;
    std::string body;
  } cases[] = {
      {"colour by name", replaced("#102030", "red")},
      {"short colour", replaced("#102030", "#10203")},
      {"colour with a sign", replaced("#102030", "#+10203")},
      {"colour with 0x", replaced("#102030", "#0x1020")},
      {"full-width digits", replaced("#102030", "#１０２０３０")},
      {"Arabic-Indic digits", replaced("#102030", "#١٠٢٠٣٠")},
      {"full-width radius", replaced("radius = 7", "radius = ７")},
      {"radius with a sign", replaced("radius = 7", "radius = +7")},
      {"negative radius", replaced("radius = 7", "radius = -1")},
      {"radius too large", replaced("radius = 7", "radius = 13")},
      {"radius not a number", replaced("radius = 7", "radius = 7px")},
      {"empty name", replaced("name = 试样 Sample", "name =")},
      {"name too long", replaced("name = 试样 Sample", "name = " + std::string(41, 'x'))},
      {"missing colour", replaced("border = #0a0b0c\n", "")},
      {"missing name", replaced("name = 试样 Sample\n", "")},
      {"line without =", good + "loose words\n"},
      {"line starting with =", good + "= value\n"},
      {"not UTF-8", good + "# \xff\xfe\n"},
      {"zero byte", good + std::string("#\0\n", 3)},
      {"empty", ""},
  };
  for (const auto& c : cases) EXPECT_FALSE(ParseSkinBody(c.body).has_value()) << c.name;
}

TEST(SkinFormat, RefusesEveryTruncation) {
  const std::string file = EncodeSkin(Sample());
  for (size_t length = 0; length < file.size(); ++length) {
    EXPECT_FALSE(ParseSkin(file.substr(0, length)).has_value()) << length;
  }
  EXPECT_FALSE(ParseSkin(file + "x").has_value()) << "trailing bytes";
}

// Every single-byte change either is refused or still yields a well-formed skin.
TEST(SkinFormat, SurvivesEverySingleByteChange) {
  const std::string file = EncodeSkin(Sample());
  for (size_t pos = 0; pos < file.size(); ++pos) {
    for (int value : {0x00, 0x01, 0x7f, 0x80, 0xff, (file[pos] ^ 0x20) & 0xff}) {
      std::string damaged = file;
      damaged[pos] = static_cast<char>(value);
      if (damaged == file) continue;
      const std::optional<Skin> parsed = ParseSkin(damaged);
      if (parsed) {
        EXPECT_FALSE(parsed->name.isEmpty());
      }
      EXPECT_TRUE(pos >= 12 || !parsed) << "header byte " << pos << " changed and still accepted";
    }
  }
}

TEST(SkinFormat, SurvivesRandomGarbage) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 300);
  const std::string header = EncodeSkin(Sample()).substr(0, 6);
  for (int round = 0; round < 3000; ++round) {
    std::string garbage(static_cast<size_t>(length(random)), '\0');
    for (char& c : garbage) c = static_cast<char>(byte(random));
    if (round % 2 == 0) garbage = header + garbage;  // get past the magic half of the time
    EXPECT_FALSE(ParseSkin(garbage).has_value());
  }
}

TEST(SkinFormat, RefusesWrongHeaders) {
  const std::string file = EncodeSkin(Sample());
  std::string wrong_version = file;
  wrong_version[5] = 2;
  std::string huge_length = file;
  huge_length.replace(6, 4, "\xff\xff\xff\x7f");
  std::string bad_checksum = file;
  bad_checksum[10] = static_cast<char>(bad_checksum[10] ^ 1);
  EXPECT_FALSE(ParseSkin(wrong_version).has_value());
  EXPECT_FALSE(ParseSkin(huge_length).has_value());
  EXPECT_FALSE(ParseSkin(bad_checksum).has_value());
  EXPECT_FALSE(ParseSkin(std::string(kMaxSkinFileBytes + 1, 'x')).has_value());
}

}  // namespace
}  // namespace lirex::skin
