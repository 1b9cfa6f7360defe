#include "ui/main_window_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/dpi_awareness.h"
#include "ui/dpi_layout.h"

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

// A system that answers each way of declaring the awareness as told, and records the asking.
struct FakeDpiSystem final : Lmr::DpiAwarenessPort {
  std::vector<Lmr::DpiStep> answers;  // V2, per monitor, system
  std::vector<int> asked;
  Lmr::DpiStep answer(int way) { asked.push_back(way); return answers[static_cast<std::size_t>(way)]; }
  Lmr::DpiStep setPerMonitorV2() override { return answer(0); }
  Lmr::DpiStep setPerMonitor() override { return answer(1); }
  Lmr::DpiStep setSystemAware() override { return answer(2); }
  Lmr::DpiAwareness current() override { return Lmr::DpiAwareness::PerMonitor; }
};

TEST(DpiAwareness, EachRefusalLeadsToTheNextWayAndASetAwarenessStays) {
  using A = Lmr::DpiAwareness;
  constexpr auto T = Lmr::DpiStep::Taken, R = Lmr::DpiStep::Refused, S = Lmr::DpiStep::AlreadySet;
  const struct { std::vector<Lmr::DpiStep> answers; A result; std::vector<int> asked; } cases[] = {
      {{T, T, T}, A::PerMonitorV2, {0}},     // Windows 10 1703 and later
      {{R, T, T}, A::PerMonitor, {0, 1}},    // Wine 8, Windows 8.1 to 10 1607
      {{R, R, T}, A::System, {0, 1, 2}},     // Windows 7
      {{R, R, R}, A::Unaware, {0, 1, 2}},
      {{S, T, T}, A::PerMonitor, {0}},       // the manifest set it: what the system reports
      {{R, S, T}, A::PerMonitor, {0, 1}},
  };
  for (const auto& c : cases) {
    FakeDpiSystem system;
    system.answers = c.answers;
    EXPECT_EQ(becomeDpiAware(system), c.result);
    EXPECT_EQ(system.asked, c.asked);
  }
}

TEST(DpiLayout, AWindowMovedToAMonitorTakesTheSuggestedCornerAndAUsableDpi) {
  const struct { long long dpi; Box suggested; std::optional<DpiMove> move; } cases[] = {
      {96, {-1280, 40, 209, 374}, DpiMove{96, {-1280, 40}}},
      {144, {100, 50, 1, 1}, DpiMove{144, {100, 50}}},
      {0, {0, 0, 300, 500}, std::nullopt},          // no dpi to go by
      {-96, {0, 0, 300, 500}, std::nullopt},
      {65535, {0, 0, 300, 500}, DpiMove{480, {0, 0}}},  // clamped
      {24, {7, 8, 300, 500}, DpiMove{96, {7, 8}}},
      {120, {10, 10, 0, 500}, std::nullopt},        // an empty rectangle
      {120, {10, 10, 300, -5}, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(dpiMoveFrom(c.dpi, c.suggested), c.move) << c.dpi;
}

// Laid out at start-up or after a move to a monitor of that dpi, the window is the same, since
// both come from one function of the dpi alone; here are its figures.
TEST(DpiLayout, EveryDpiGivesTheScaledTableLabelsFittedAndLimitsScaled) {
  const struct { int dpi; Box pickZoom; Size client, minimum; } cases[] = {
      {96, {0, 92, 199, 199}, {203, 362}, {209, 374}},   {120, {0, 115, 249, 249}, {253, 451}, {261, 468}},
      {144, {0, 138, 299, 299}, {304, 542}, {313, 561}}, {168, {0, 161, 349, 349}, {355, 633}, {365, 655}},
      {192, {0, 184, 399, 399}, {405, 722}, {417, 748}}, {288, {0, 276, 598, 598}, {608, 1084}, {626, 1122}},
  };
  for (const auto& c : cases) {
    const auto geometry = mainWindowGeometry(c.dpi, [&](std::wstring_view text) {
      return Size{static_cast<int>(text.size()) * c.dpi / 12, c.dpi / 8};
    });
    EXPECT_EQ(geometry.boxes[9], c.pickZoom) << c.dpi;
    EXPECT_EQ(geometry.boxes[0], (Box{scaleToDpi(18, c.dpi), scaleToDpi(20, c.dpi), 5 * c.dpi / 12, c.dpi / 8}));
    EXPECT_EQ(geometry.client, c.client) << c.dpi;
    EXPECT_EQ(geometry.minimum, c.minimum) << c.dpi;
    EXPECT_EQ(geometry.maximum, scaleToDpi(maximumWindowSize, c.dpi));
  }
}

}  // namespace
