// The generation run behind 生成大底: a new base from the ticked banker digits (or all 1000
// numbers), less every number that a ticked kill box removes, and its count.
#ifndef LIREX_SHRINKER_GENERATION_H_
#define LIREX_SHRINKER_GENERATION_H_

#include "shrinker/base_text.h"
#include "shrinker/generation_boxes.h"

namespace lirex {

// Replaces the box's text whatever it held; rewrites the label as the run's own count refreshes
// would, so an empty result leaves the label as before (or at 1000 when the run filled the base).
void GenerateBase(const TickSet& ticks, BaseBox& box);

}  // namespace lirex

#endif  // LIREX_SHRINKER_GENERATION_H_
