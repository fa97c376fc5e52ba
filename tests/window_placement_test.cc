#include "common/window_placement.h"

#include <gtest/gtest.h>

namespace lirex {
namespace {

TEST(CenteredWithin, CentresAndKeepsTheWholeFrameInTheArea) {
  const struct {
    const char* name;
    QRect area;
    QSize outer;
    QPoint top_left;
  } cases[] = {
      {"centred", {0, 0, 1280, 1024}, {654, 670}, {313, 177}},
      {"below a top panel", {0, 32, 1280, 992}, {654, 670}, {313, 193}},
      {"exactly fits", {0, 0, 654, 670}, {654, 670}, {0, 0}},
      {"taller than the area", {0, 0, 640, 512}, {654, 670}, {0, 0}},
      {"on a second screen", {1280, 0, 1920, 1080}, {722, 310}, {1879, 385}},
      {"larger area than frame on one side", {100, 50, 600, 400}, {654, 300}, {100, 100}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CenteredWithin(c.area, c.outer), c.top_left) << c.name;
  }
}

}  // namespace
}  // namespace lirex
