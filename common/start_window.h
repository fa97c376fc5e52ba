// Creating a program's start-up window: a window that cannot be created ends the program through
// FatalErrorBox.
#ifndef LIREX_COMMON_START_WINDOW_H_
#define LIREX_COMMON_START_WINDOW_H_

#include <exception>
#include <memory>

#include "common/fatal_error.h"
#include "common/gbk.h"

namespace lirex {

template <typename Window>
std::unique_ptr<Window> CreateStartWindow() {
  try {
    return std::make_unique<Window>();
  } catch (const std::exception&) {
    FatalErrorBox(std::nullopt, Gbk("载入启动窗口失败"));
  }
}

}  // namespace lirex

#endif  // LIREX_COMMON_START_WINDOW_H_
