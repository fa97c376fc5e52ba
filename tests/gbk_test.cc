#include "common/gbk.h"

#include <gtest/gtest.h>

#include "common/text_ops.h"
#include "shrinker/base_text.h"
#include "shrinker/winning_check.h"

namespace lirex {
namespace {

// Every byte from 0x80 up opens a two-byte character and has a byte after it.
bool IsMadeOfWholeCharacters(const std::string& gbk) {
  for (size_t pos = 0; pos < gbk.size(); ++pos) {
    if (static_cast<unsigned char>(gbk[pos]) >= 0x80 && ++pos >= gbk.size()) return false;
  }
  return true;
}

TEST(Gbk, EveryCharacterBecomesWholeCharacters) {
  for (char32_t code = 1; code <= 0xFFFF; ++code) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    const QString text = QString(QChar(static_cast<char16_t>(code))) + QStringLiteral("1");
    const std::string gbk = ToGbk(text);
    ASSERT_TRUE(IsMadeOfWholeCharacters(gbk)) << std::hex << static_cast<unsigned>(code);
    ASSERT_EQ(gbk.back(), '1') << std::hex << static_cast<unsigned>(code);
  }
  EXPECT_EQ(ToGbk(QString::fromUtf8("😀")), "?");
}

TEST(Gbk, CharactersTheCodecWritesAsOneHighByteBecomeQuestionMarks) {
  EXPECT_EQ(ToGbk(QString::fromUtf8("€1")), "?1");
  EXPECT_EQ(ToGbk(QString(QChar(0xF8F5)) + QStringLiteral("1")), "?1");
  EXPECT_EQ(ToGbk(QString::fromUtf8("大€底")), Gbk("大") + "?" + Gbk("底"));
}

TEST(Gbk, ABaseAfterSuchACharacterIsStillSearchedByEntries) {
  for (const QString& first : {QString::fromUtf8("€"), QString(QChar(0xF8F5))}) {
    const std::string base = ToGbk(first + QStringLiteral("123 456 "));
    EXPECT_EQ(CheckWinningNumber(base, "123"), Gbk("有中奖！"));
    BaseBox box{base, InitialCountCaption()};
    AppendEntry(box, "123 ");
    EXPECT_EQ(box.text, base) << "the entry is there already";
  }
}

}  // namespace
}  // namespace lirex
