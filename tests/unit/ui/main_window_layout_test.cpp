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

// Answers each way as told (T taken, R refused, S set already) and notes what was asked.
struct FakeDpiSystem final : Lmr::DpiAwarenessPort {
  std::string answers, asked;
  Lmr::DpiStep answer(std::size_t way) {
    asked += answers[way];
    return answers[way] == 'T' ? Lmr::DpiStep::Taken : answers[way] == 'R' ? Lmr::DpiStep::Refused : Lmr::DpiStep::AlreadySet;
  }
  Lmr::DpiStep setPerMonitorV2() override { return answer(0); }
  Lmr::DpiStep setPerMonitor() override { return answer(1); }
  Lmr::DpiStep setSystemAware() override { return answer(2); }
  Lmr::DpiAwareness current() override { return Lmr::DpiAwareness::PerMonitor; }
};

// Windows 10 1703 on, Wine 8 and Windows 8.1 to 1607, Windows 7, none, set by the manifest.
TEST(DpiAwareness, EachRefusalLeadsToTheNextWayAndASetAwarenessStays) {
  using A = Lmr::DpiAwareness;
  const std::tuple<std::string, A, std::string> cases[] = {{"TTT", A::PerMonitorV2, "T"}, {"RTT", A::PerMonitor, "RT"},
      {"RRT", A::System, "RRT"}, {"RRR", A::Unaware, "RRR"}, {"STT", A::PerMonitor, "S"}, {"RST", A::PerMonitor, "RS"}};
  for (const auto& [answers, result, asked] : cases) {
    FakeDpiSystem system;
    system.answers = answers;
    EXPECT_EQ(becomeDpiAware(system), result) << answers;
    EXPECT_EQ(system.asked, asked);
  }
}

TEST(DpiLayout, AMoveTakesTheCornerAndAUsableDpiAndLaysOutAsAStartAtThatDpi) {
  const std::tuple<long long, Box, std::optional<DpiMove>> cases[] = {
      {96, {-1280, 40, 209, 374}, DpiMove{96, {-1280, 40}}}, {0, {0, 0, 300, 500}, std::nullopt},
      {65535, {0, 0, 300, 500}, DpiMove{480, {0, 0}}}, {24, {7, 8, 1, 1}, DpiMove{96, {7, 8}}},
      {120, {10, 10, 0, 500}, std::nullopt}, {-96, {10, 10, 300, 500}, std::nullopt}};
  for (const auto& [dpi, suggested, move] : cases) EXPECT_EQ(dpiMoveFrom(dpi, suggested), move) << dpi;
  // Start-up and the move lay out through one function of the dpi alone: its figures.
  const std::tuple<int, Box, Size, Size> layouts[] = {
      {96, {0, 92, 199, 199}, {203, 362}, {209, 374}},   {120, {0, 115, 249, 249}, {253, 451}, {261, 468}},
      {144, {0, 138, 299, 299}, {304, 542}, {313, 561}}, {168, {0, 161, 349, 349}, {355, 633}, {365, 655}},
      {192, {0, 184, 399, 399}, {405, 722}, {417, 748}}, {288, {0, 276, 598, 598}, {608, 1084}, {626, 1122}}};
  for (const auto& [dpi, pickZoom, client, minimum] : layouts) {
    const auto geometry = mainWindowGeometry(dpi, [d = dpi](std::wstring_view text) { return Size{int(text.size()) * d / 12, d / 8}; });
    EXPECT_EQ(geometry.boxes[9], pickZoom);
    EXPECT_EQ(geometry.boxes[0], (Box{scaleToDpi(18, dpi), scaleToDpi(20, dpi), 5 * dpi / 12, dpi / 8})) << "label1 fitted";
    EXPECT_EQ(geometry.client, client);
    EXPECT_EQ(std::pair(geometry.minimum, geometry.maximum), std::pair(minimum, scaleToDpi(maximumWindowSize, dpi)));
  }
}

// What a window is asked to take at another dpi and what it takes there come from these sizes.
TEST(DpiLayout, TheMainWindowFramesItsLayoutWithinItsLimits) {
  const auto at96 = mainWindowGeometry(96, [](std::wstring_view text) { return Size{int(text.size()) * 8, 13}; });
  EXPECT_EQ(mainWindowSize(at96, {16, 39}), (Size{219, 401}));
  EXPECT_EQ(mainWindowSize(at96, {0, 0}), at96.minimum) << "a frame drawn thinner than the limits allow";
  EXPECT_EQ(mainWindowSize(at96, {5000, 5000}), at96.maximum);
}

// The client scales, the frame is the new dpi's: a frame that stays at the system's dpi (as Wine
// draws every frame) is not scaled with the client. A window fixed in layout units scales whole.
TEST(DpiLayout, ADialogMovedToAnotherDpiFramesItsScaledClientUnlessItsWindowIsFixed) {
  const MadeDialog options{{601, 400}, {617, 439}, false, 144}, history{{434, 411}, {450, 450}, true, 144};
  const std::tuple<MadeDialog, int, Size, Size> cases[] = {
      {options, 96, {16, 39}, {417, 306}},   {options, 96, {12, 28}, {413, 295}},  {options, 144, {16, 39}, {617, 439}},
      {options, 288, {24, 58}, {1226, 858}}, {history, 96, {16, 39}, {300, 300}},  {history, 120, {7, 7}, {375, 375}},
      {history, 144, {99, 99}, {450, 450}},  {{{200, 100}, {0, 0}, false, 0}, 96, {16, 39}, {216, 139}}};
  for (const auto& [made, dpi, frame, size] : cases) EXPECT_EQ(dialogWindowSize(made, dpi, frame), size) << dpi;
}

}  // namespace

