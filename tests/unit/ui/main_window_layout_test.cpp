#include "ui/main_window_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace Lmr::ui;

TEST(MainWindowLayout, ScalesDesignUnitsByDpiOver144RoundingHalfUp) {
  struct Case { int design, dpi, expected; };
  const Case cases[] = {
      {299, 144, 299}, {299, 96, 199}, {299, 192, 399},  // 199.33, 398.67
      {274, 96, 183},  {20, 96, 13},   {26, 96, 17},     // 182.67, 13.33, 17.33
      {15, 96, 10},    {0, 96, 0},     {3, 120, 3},      // 2.5 rounds up
      {313, 96, 209},  {561, 96, 374}, {1285, 192, 1713},
      {-1, 120, -1},   {-3, 120, -3},
  };
  for (const auto& c : cases) EXPECT_EQ(scaleToDpi(c.design, c.dpi), c.expected) << c.design << " @ " << c.dpi;
}

TEST(MainWindowLayout, EveryControlScalesAsAWhole) {
  const Box pickZoom = controlSpec(ControlId::pick_zoom).design;
  EXPECT_EQ(scaleToDpi(pickZoom, 144), pickZoom);
  EXPECT_EQ(scaleToDpi(pickZoom, 96), (Box{0, 92, 199, 199}));
  EXPECT_EQ(scaleToDpi(pickZoom, 192), (Box{0, 184, 399, 399}));
  EXPECT_EQ(scaleToDpi(minimumWindowSize, 96), (Size{209, 374}));
}

TEST(MainWindowLayout, TabVisitsFocusableControlsByIndexThenStacking) {
  const std::vector<ControlId> expected{
      ControlId::btn_pick,         ControlId::out_rgb,  ControlId::out_hex,  ControlId::out_hsl,
      ControlId::options_btn,      ControlId::fisheye_num_updn,
      ControlId::copy_hex,         ControlId::copy_rgb, ControlId::copy_hsb,
  };
  const auto order = tabOrder();
  EXPECT_EQ(std::vector<ControlId>(order.begin(), order.end()), expected);
}

TEST(MainWindowLayout, StackingListsEveryControlOnce) {
  const auto stacking = stackingOrder();
  ASSERT_EQ(stacking.size(), mainWindowControls().size());
  for (const auto& control : mainWindowControls())
    EXPECT_EQ(std::count(stacking.begin(), stacking.end(), control.id), 1) << control.name;
  EXPECT_EQ(stacking.front(), ControlId::btn_pick);
  EXPECT_EQ(stacking.back(), ControlId::copy_hex);
}

TEST(MainWindowLayout, ClientAreaEnclosesControlsWithTheirMargins) {
  std::vector<Box> boxes;
  bool hasMargin[17] = {};
  for (const auto& control : mainWindowControls()) {
    hasMargin[boxes.size()] = control.kind != ControlKind::Label;
    boxes.push_back(control.design);
  }
  // The copy buttons reach x 300, the vertical line panel y 538; both plus the margin of 4.
  EXPECT_EQ(enclosingClientSize(boxes, hasMargin, controlMargin), (Size{304, 542}));
}

}  // namespace
