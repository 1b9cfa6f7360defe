#include "ui/options_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace Lmr::ui;
using I = OptionsControlId;

constexpr Size baseCell{6, 13};

TEST(OptionsLayout, TabVisitsTheDialogsControlsThenEachGroupInItsPlace) {
  const std::vector<I> expected{
      I::linkLabel1,       I::ok_btn,             I::contact_support,      I::check_for_updates,
      I::minimize_tray,    I::pick_from_snapshot, I::window_move_pick,     I::close_btn_minimizes,
      I::lines_between_pixels, I::round_hsb,
  };
  const auto order = optionsTabOrder();
  EXPECT_EQ(std::vector<I>(order.begin(), order.end()), expected);
}

TEST(OptionsLayout, TabAndShiftTabGoRoundTheOrder) {
  EXPECT_EQ(nextInTabOrder(I::round_hsb, false), I::linkLabel1);
  EXPECT_EQ(nextInTabOrder(I::linkLabel1, true), I::round_hsb);
  EXPECT_EQ(nextInTabOrder(I::ok_btn, false), I::contact_support);
  EXPECT_EQ(nextInTabOrder(I::ok_btn, true), I::linkLabel1);
  // From the dialog itself or a control that takes no focus.
  EXPECT_EQ(nextInTabOrder(I::none, false), I::linkLabel1);
  EXPECT_EQ(nextInTabOrder(I::label3, true), I::round_hsb);
}

TEST(OptionsLayout, GroupBoxesComeBeforeAndHoldTheirControls) {
  const auto controls = optionsControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto& spec = controls[i];
    if (spec.parent == I::none) {
      EXPECT_LE(spec.layout.right(), optionsClientLayoutSize.width) << spec.name;
      EXPECT_LE(spec.layout.bottom(), optionsClientLayoutSize.height) << spec.name;
      continue;
    }
    const auto& group = optionsControlSpec(spec.parent);
    EXPECT_EQ(group.kind, OptionsControlKind::GroupBox) << spec.name;
    EXPECT_LT(&group - controls.data(), static_cast<std::ptrdiff_t>(i)) << spec.name;
    EXPECT_LE(spec.layout.right(), group.layout.width) << spec.name;
    EXPECT_LE(spec.layout.bottom(), group.layout.height) << spec.name;
  }
}

TEST(OptionsLayout, TheCharacterCellIsTheRoundedAverageLetterWidthAndTheFontHeight) {
  EXPECT_EQ(fontCell(312, 13), (Size{6, 13}));
  EXPECT_EQ(fontCell(337, 15), (Size{6, 15}));  // 6.48
  EXPECT_EQ(fontCell(338, 15), (Size{7, 15}));  // 6.5 rounds up
  EXPECT_EQ(fontCell(572, 20), (Size{11, 20}));
}

TEST(OptionsLayout, ScalesByCellWidthOverSixAndHeightOverThirteenByEdges) {
  for (const auto& spec : optionsControls()) EXPECT_EQ(scaleToFont(spec.layout, baseCell), spec.layout) << spec.name;
  EXPECT_EQ(scaleToFont(optionsClientLayoutSize, baseCell), optionsClientLayoutSize);
  // 7 x 15: groupBox3 (13, 12) 305 x 178 spans 15.17..371 across and 13.85..219.23 down.
  EXPECT_EQ(scaleToFont(optionsControlSpec(I::groupBox3).layout, {7, 15}), (Box{15, 14, 356, 205}));
  EXPECT_EQ(scaleToFont(optionsClientLayoutSize, {7, 15}), (Size{685, 405}));
  EXPECT_EQ(scaleToFont(optionsClientLayoutSize, {11, 20}), (Size{1076, 540}));
  // Touching boxes still touch once scaled.
  const Box left = scaleToFont(Box{0, 0, 13, 1}, {7, 15}), right = scaleToFont(Box{13, 0, 5, 1}, {7, 15});
  EXPECT_EQ(left.right(), right.x);
}

TEST(OptionsLayout, CheckBoxesAndLabelsFitTheirTextOthersKeepTheirBox) {
  const Size cell{12, 26};  // twice the layout cell
  const Size text{150, 25};
  const auto fitted = [&](I id) { return fittedBox(optionsControlSpec(id), cell, text); };
  EXPECT_EQ(fitted(I::round_hsb), (Box{24, 256, 40 + 150, 34}));
  EXPECT_EQ(fitted(I::label3), (Box{34, 52, 150, 25}));
  EXPECT_EQ(fitted(I::contact_support), (Box{770, 658, 150, 25}));
  EXPECT_EQ(fitted(I::ok_btn), (Box{486, 648, 150, 46}));
  EXPECT_EQ(fitted(I::groupBox2), (Box{670, 422, 480, 186}));
}

TEST(OptionsLayout, TheDialogStandsCentredOverItsOwnerInsideTheWorkArea) {
  const Box area{0, 0, 1280, 1000};
  EXPECT_EQ(centredOver({400, 300, 300, 500}, {500, 300}, area), (Point{300, 400}));
  EXPECT_EQ(centredOver({0, 0, 300, 500}, {700, 300}, area), (Point{0, 100}));
  EXPECT_EQ(centredOver({1100, 800, 180, 200}, {500, 300}, area), (Point{780, 700}));
  EXPECT_EQ(centredOver({100, 100, 100, 100}, {1400, 1100}, area), (Point{0, 0})) << "too large: top-left stays in";
  EXPECT_EQ(centredOver({-900, 0, 300, 200}, {200, 100}, Box{-1280, 0, 1280, 1000}), (Point{-850, 50}));
}

}  // namespace
