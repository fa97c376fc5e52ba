// The thirteen text and number operations against their plain reference, on any bytes.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "common/platform.h"
#include "common/text_ops.h"
#include "fuzz/text_ops_reference.h"

namespace {

namespace ref = lirex::reference;

void Check(bool holds) {
  if (!holds) std::abort();
}

std::optional<int> MaybeInt(FuzzedDataProvider& data) {
  if (!data.ConsumeBool()) return std::nullopt;
  return data.ConsumeIntegralInRange<int>(-3, 40);
}

std::string Text(FuzzedDataProvider& data, size_t most) {
  return data.ConsumeRandomLengthString(most);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  switch (data.ConsumeIntegralInRange<int>(0, 12)) {
    case 0: {
      const std::string text = data.ConsumeRemainingBytesAsString();
      Check(lirex::TextLength(text) == ref::TextLength(text));
      break;
    }
    case 1: {
      const std::string a = Text(data, 16);
      const std::string b = data.ConsumeRemainingBytesAsString();
      Check(lirex::CompareTexts(a, b) == ref::CompareTexts(a, b));
      break;
    }
    case 2: {
      const std::string a = Text(data, 16), b = Text(data, 16), c = Text(data, 16);
      Check(lirex::JoinTexts({a, b, c}) == a + b + c);
      break;
    }
    case 3: {
      const auto value = data.ConsumeIntegral<int32_t>();
      Check(lirex::IntToText(value) == ref::IntToText(value));
      break;
    }
    case 4: {
      const auto value = data.ConsumeFloatingPoint<double>();
      Check(lirex::RealToText(value) == ref::RealToText(value));
      Check(lirex::RealToInt(value) == ref::RealToInt(value));
      break;
    }
    case 5: {
      const std::string text = data.ConsumeRemainingBytesAsString();
      Check(lirex::TextToInt(text) == ref::TextToInt(text));
      break;
    }
    case 6:
    case 7: {
      const bool fold = data.ConsumeBool();
      const std::optional<int> start = MaybeInt(data);
      const std::string wanted = Text(data, 8);
      const std::string text = data.ConsumeRemainingBytesAsString();
      Check(lirex::FindText(text, wanted, start, fold) == ref::FindText(text, wanted, start, fold));
      break;
    }
    case 8:
    case 9: {
      const bool case_sensitive = data.ConsumeBool();
      const std::optional<int> start = MaybeInt(data);
      const std::optional<int> limit = MaybeInt(data);
      const std::string old_text = Text(data, 6);
      const std::string new_text = Text(data, 6);
      const std::string text = data.ConsumeRemainingBytesAsString();
      Check(lirex::ReplaceText(text, old_text, new_text, start, limit, case_sensitive) ==
            ref::ReplaceText(text, old_text, new_text, start, limit, case_sensitive));
      break;
    }
    case 10: {
      const std::optional<int> most = MaybeInt(data);
      const bool default_delimiter = data.ConsumeBool();
      const std::string delimiter = default_delimiter ? "," : Text(data, 4);
      const std::string text = data.ConsumeRemainingBytesAsString();
      const auto pieces = default_delimiter ? lirex::SplitText(text, std::nullopt, most)
                                            : lirex::SplitText(text, delimiter, most);
      Check(pieces == ref::SplitText(text, delimiter, most));
      Check(lirex::MemberCount(pieces) == static_cast<int>(pieces.size()));
      break;
    }
    case 11: {
      const bool ascending = data.ConsumeBool();
      std::vector<int32_t> array;
      while (data.remaining_bytes() >= 4 && array.size() < 64) {
        array.push_back(data.ConsumeIntegral<int32_t>());
      }
      std::vector<int32_t> expected = array;
      lirex::SortIntegers(array, ascending);
      ref::SortIntegers(expected, ascending);
      Check(array == expected);
      break;
    }
    case 12: {
      char program[4096] = {};
      const ssize_t length = readlink("/proc/self/exe", program, sizeof program - 1);
      const std::string directory = lirex::RunDirectory();
      Check(length > 0 &&
            std::string(program, static_cast<size_t>(length)).rfind(directory + "/", 0) == 0);
      break;
    }
  }
  return 0;
}
