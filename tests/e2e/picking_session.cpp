#include "picking_session.h"

#include <gtest/gtest.h>

#include "colour/colour_text.h"

namespace e2e {

using Lmr::ui::ControlId;

std::wstring hexOf(std::uint32_t colour) { return Lmr::hexText(0xFF000000u | colour); }

PickingSession::PickingSession(const ScratchFolder& folder) {
  program_.emplace(folder);
  window_ = program_->waitForMainWindow();
  if (!window_) return;
  if (!moveWindowTo(mainWindowPlace.x, mainWindowPlace.y)) ADD_FAILURE() << "the window did not move";
  if (!pattern_.show(firstPattern)) ADD_FAILURE() << "the pattern did not show";
}

PickingSession::~PickingSession() {
  if (!window_ || !program_->running()) return;
  closeWindow(window_);
  EXPECT_EQ(program_->waitForExit(), 0u);
}

bool PickingSession::picking() const { return (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool PickingSession::pickingBecomes(bool on) const {
  return pollUntil([&] { return picking() == on; }, 3s);
}

void PickingSession::pressKey(WORD key) const { postKeyPress(window_, key); }

bool PickingSession::hexShows(std::uint32_t colour, Clock::duration limit) const {
  const std::wstring expected = hexOf(colour);
  return pollUntil([&] { return text(ControlId::out_hex) == expected; }, limit);
}

bool PickingSession::outlastClickGrace(int x, int y, std::uint32_t variant, POINT origin) const {
  for (int shown = 0; shown < 6; ++shown) {
    const int nextX = shown % 2 == 0 ? x + 1 : x;
    if (!pointerTo(origin.x + nextX, origin.y + y) || !hexShows(patternAt(nextX, y, variant))) return false;
  }
  return true;
}

bool PickingSession::pickPatternAt(int x, int y, std::uint32_t variant) {
  pressKey(VK_RETURN);
  if (!pickingBecomes(true) || !pointerTo(x, y) || !hexShows(patternAt(x, y, variant))) return false;
  pressKey(VK_RETURN);
  return pickingBecomes(false);
}

// The menu's copy is told from what the clipboard held before: the hsb text, which the menu never
// copies, put there by its own button.
std::wstring PickingSession::copyAs(WORD key) const {
  const std::wstring before = text(ControlId::out_hsl);
  SendMessageW(control(ControlId::copy_hsb), BM_CLICK, 0, 0);
  if (linuxClipboardTextOnceItIs(before) != before) return L"(the hsb text was not copied)";
  const POINT swatch = centreOf(ControlId::color_current);
  if (!pointerTo(swatch.x, swatch.y) || !realPointer(L"click 3")) return L"(no right click)";
  const auto openMenu = [&] {
    for (HWND shown : program_->topLevelWindows())
      if (className(shown) == L"#32768" && IsWindowVisible(shown)) return shown;
    return HWND{};
  };
  if (!pollUntil([&] { return openMenu() != nullptr; }, 5s)) return L"(no menu)";
  pressKey(key);
  if (!pollUntil([&] { return openMenu() == nullptr; }, 5s)) return L"(the menu stayed)";
  std::wstring copied;
  pollUntil([&] { return (copied = linuxClipboardText()) != before; }, 5s);
  return copied;
}

POINT PickingSession::centreOf(ControlId id) const {
  RECT box;
  GetWindowRect(control(id), &box);
  return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

bool PickingSession::moveWindowTo(int left, int top) const { return e2e::moveWindowTo(window_, left, top); }

}  // namespace e2e
