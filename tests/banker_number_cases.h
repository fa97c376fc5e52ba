// The calculator's table of inputs and the texts they give, for the core and the window tests.
#ifndef LIREX_TESTS_BANKER_NUMBER_CASES_H_
#define LIREX_TESTS_BANKER_NUMBER_CASES_H_

#include <vector>

namespace lirex {

struct BankerNumberCase {
  const char* input;  // UTF-8
  const char* output;
};

inline const std::vector<BankerNumberCase>& BankerNumberCases() {
  static const std::vector<BankerNumberCase> cases = {
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
      {"１２３", "16359"},
      {"12345", "1641885"},
      {"2147483647", "285615325051"},
      {"2147483648", "-285615325184"},
      {"4294967296", "0"},
      {"99999999999999999999", "221045063547"},  // wraps to 1661992959
      {"-2147483648", "-285615325184"},
  };
  return cases;
}

}  // namespace lirex

#endif  // LIREX_TESTS_BANKER_NUMBER_CASES_H_
