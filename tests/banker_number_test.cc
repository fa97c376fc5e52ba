#include "predictor/banker_number.h"

#include <gtest/gtest.h>

#include "common/gbk.h"

namespace lirex {
namespace {

TEST(ComputeBankerNumber, MultipliesTheLeadingNumberBy133) {
  const struct {
    std::string input;
    const char* output;
  } cases[] = {
      {"", "0"},
      {"123", "16359"},
      {"000", "0"},
      {"012", "1596"},
      {"999", "132867"},
      {"  45", "5985"},
      {"12a", "1596"},
      {"abc", "0"},
      {"1.9", "133"},
      {"-7", "-931"},
      {"+7", "931"},
      {Gbk("１２３"), "16359"},
      {"12345", "1641885"},
      {"2147483647", "285615325051"},
      {"2147483648", "-285615325184"},
      {"4294967296", "0"},
      {"99999999999999999999", "221045063547"},  // wraps to 1661992959
      {"-2147483648", "-285615325184"},
  };
  for (const auto& c : cases) EXPECT_EQ(ComputeBankerNumber(c.input), c.output) << c.input;
}

}  // namespace
}  // namespace lirex
