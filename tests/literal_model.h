// The generation run done step by step: every banker and kill step walks 000 to 999 and hands each
// matching entry to AppendEntry or RemoveEntry, which reread and rewrite the whole base. Each box's
// condition is worked out here from its name alone, apart from the product's tables.
#ifndef LIREX_TESTS_LITERAL_MODEL_H_
#define LIREX_TESTS_LITERAL_MODEL_H_

#include "shrinker/base_text.h"
#include "shrinker/generation_boxes.h"

namespace lirex {

void GenerateBaseLiterally(const TickSet& ticks, BaseBox& box);

}  // namespace lirex

#endif  // LIREX_TESTS_LITERAL_MODEL_H_
