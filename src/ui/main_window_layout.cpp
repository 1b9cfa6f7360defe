#include "ui/main_window_layout.h"

#include <algorithm>
#include <array>

#include "ui/control_table.h"

namespace Lmr::ui {
namespace {

using K = ControlKind;
using P = PointerShape;
using I = ControlId;

constexpr std::array<ControlSpec, mainWindowControlCount> kControls{{
    {I::label1, "label1", K::Label, L"Hex #", {18, 20, 0, 0}, 4, false, false, P::Arrow},
    {I::out_hex, "out_hex", K::TextBox, L"", {80, 15, 194, 26}, 7, true, false, P::Arrow},
    {I::copy_hex, "copy_hex", K::Button, L"c", {274, 12, 26, 34}, 13, false, false, P::Arrow},
    {I::label2, "label2", K::Label, L"RGB", {18, 58, 0, 0}, 5, false, false, P::Arrow},
    {I::out_rgb, "out_rgb", K::TextBox, L"", {80, 54, 194, 26}, 7, true, false, P::Arrow},
    {I::copy_rgb, "copy_rgb", K::Button, L"c", {274, 51, 26, 34}, 14, false, false, P::Arrow},
    {I::label3, "label3", K::Label, L"HSB", {18, 94, 0, 0}, 6, false, false, P::Arrow},
    {I::out_hsl, "out_hsl", K::TextBox, L"", {80, 92, 194, 26}, 8, true, false, P::Arrow},
    {I::copy_hsb, "copy_hsb", K::Button, L"c", {274, 90, 26, 34}, 15, false, false, P::Arrow},
    {I::pick_zoom, "pick_zoom", K::Panel, L"", {0, 138, 299, 299}, 3, true, false, P::SizeAll},
    {I::color_current, "color_current", K::Panel, L"", {0, 436, 150, 42}, 2, true, true, P::Hand},
    {I::color_previous, "color_previous", K::Panel, L"", {150, 436, 149, 42}, 3, true, true, P::Hand},
    {I::pick_ver_bg_line, "pick_ver_bg_line", K::Panel, L"", {150, 474, 0, 64}, 11, true, false, P::Arrow},
    {I::fisheye_num_updn, "fisheye_num_updn", K::NumericUpDown, L"7", {0, 492, 50, 29}, 10, false, false, P::Arrow},
    {I::btn_pick, "btn_pick", K::Button, L"PICK", {94, 489, 112, 34}, 1, false, false, P::Cross},
    {I::pick_hz_bg_line, "pick_hz_bg_line", K::Panel, L"", {75, 507, 149, 0}, 12, true, false, P::Arrow},
    {I::options_btn, "options_btn", K::Button, L"?", {249, 489, 50, 34}, 9, false, false, P::Arrow},
}};

constexpr std::array<ControlId, mainWindowControlCount> kStacking{
    I::btn_pick, I::pick_hz_bg_line, I::fisheye_num_updn, I::options_btn, I::out_hsl, I::out_rgb,
    I::out_hex,  I::label3,          I::label2,           I::label1,      I::pick_zoom, I::color_previous,
    I::color_current, I::pick_ver_bg_line, I::copy_hsb,  I::copy_rgb,    I::copy_hex,
};

std::size_t stackingRank(ControlId id) {
  return static_cast<std::size_t>(std::find(kStacking.begin(), kStacking.end(), id) - kStacking.begin());
}

struct TabOrder {
  std::array<ControlId, mainWindowControlCount> ids{};
  std::size_t count = 0;
};

TabOrder buildTabOrder() {
  TabOrder order;
  for (const auto& control : kControls)
    if (takesFocus(control.kind)) order.ids[order.count++] = control.id;
  std::sort(order.ids.begin(), order.ids.begin() + static_cast<std::ptrdiff_t>(order.count),
            [](ControlId a, ControlId b) {
              const int ta = controlSpec(a).tabIndex, tb = controlSpec(b).tabIndex;
              return ta != tb ? ta < tb : stackingRank(a) < stackingRank(b);
            });
  return order;
}

}  // namespace

std::span<const ControlSpec> mainWindowControls() { return kControls; }

const ControlSpec& controlSpec(ControlId id) { return specWithId<ControlSpec>(kControls, id); }

std::span<const ControlId> stackingOrder() { return kStacking; }

bool takesFocus(ControlKind kind) { return kind != ControlKind::Label && kind != ControlKind::Panel; }

std::span<const ControlId> tabOrder() {
  static const TabOrder order = buildTabOrder();
  return {order.ids.data(), order.count};
}

int scaleBetweenDpis(int figure, int dpi, int fromDpi) {
  if (fromDpi <= 0) return figure;
  // Round half away from zero so that negative and positive figures scale alike.
  const long long scaled = static_cast<long long>(figure) * dpi;
  const long long half = fromDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / fromDpi : -((-scaled + half) / fromDpi));
}

int scaleToDpi(int designUnits, int dpi) { return scaleBetweenDpis(designUnits, dpi, designDpi); }

Box scaleToDpi(const Box& design, int dpi) {
  return {scaleToDpi(design.x, dpi), scaleToDpi(design.y, dpi), scaleToDpi(design.width, dpi),
          scaleToDpi(design.height, dpi)};
}

Size scaleToDpi(const Size& design, int dpi) {
  return {scaleToDpi(design.width, dpi), scaleToDpi(design.height, dpi)};
}

Size enclosingClientSize(std::span<const Box> boxes, std::span<const bool> hasMargin, int margin) {
  Size size;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const int extra = i < hasMargin.size() && hasMargin[i] ? margin : 0;
    size.width = std::max(size.width, boxes[i].right() + extra);
    size.height = std::max(size.height, boxes[i].bottom() + extra);
  }
  return size;
}

}  // namespace Lmr::ui
