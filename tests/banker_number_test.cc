#include "predictor/banker_number.h"

#include <gtest/gtest.h>

#include "common/gbk.h"
#include "tests/banker_number_cases.h"

namespace lirex {
namespace {

TEST(ComputeBankerNumber, MultipliesTheLeadingNumberBy133) {
  for (const BankerNumberCase& c : BankerNumberCases()) {
    EXPECT_EQ(ComputeBankerNumber(Gbk(c.input)), c.output) << c.input;
  }
}

}  // namespace
}  // namespace lirex
