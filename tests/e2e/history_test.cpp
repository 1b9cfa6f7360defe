// The colour history in the running program: picks filed newest first, the dialog as it stands
// on the screen, and Select bringing a colour back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "picking_session.h"
#include "ui/history_layout.h"

namespace {

using namespace e2e;
using Lmr::ui::ControlId;
using Lmr::ui::HistoryControlId;

std::uint32_t at(int x, int y) { return patternAt(x, y, firstPattern); }

// The dialog's layout scales with the system's message font, as the program's does.
Lmr::ui::Size messageFontCell() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  const wchar_t letters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  SIZE size{};
  GetTextExtentPoint32W(screen, letters, 52, &size);
  TEXTMETRICW text{};
  GetTextMetricsW(screen, &text);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return Lmr::ui::fontCell(size.cx, text.tmHeight);
}

class HistoryRun : public testing::Test {
 protected:
  void SetUp() override {
    deleteSettingsKey();
    session_.emplace(folder_);
    ASSERT_TRUE(session_->ready());
  }
  void TearDown() override {
    if (dialog_ && IsWindowVisible(dialog_)) clickControl(control(HistoryControlId::cancel_btn));
    session_.reset();
  }

  PickingSession& session() { return *session_; }

  // Opens the history with a click on the previous-colour swatch.
  HWND open() {
    clickControl(session().control(ControlId::color_previous));
    dialog_ = nullptr;
    pollUntil(
        [&] {
          for (HWND window : session().program().topLevelWindows())
            if (IsWindowVisible(window) && className(window) == L"LumarinHistory") dialog_ = window;
          return dialog_ != nullptr;
        },
        5s);
    return dialog_;
  }
  HWND control(HistoryControlId id) const {
    const auto& spec = Lmr::ui::historyControlSpec(id);
    HWND parent = spec.parent == HistoryControlId::none ? dialog_ : control(spec.parent);
    return GetDlgItem(parent, static_cast<int>(id));
  }
  std::vector<std::wstring> entries() const {
    HWND list = control(HistoryControlId::hist_list);
    std::vector<std::wstring> texts;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t text[64] = {};
      SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      texts.emplace_back(text);
    }
    return texts;
  }
  // A pixel of a panel's own colour, clear of the button inside it.
  std::uint32_t panelColour(HistoryControlId panel) const {
    RECT box;
    GetWindowRect(control(panel), &box);
    return screenPixels({box.left + 4, box.bottom - 6, box.left + 5, box.bottom - 5}).at(0);
  }

  ScratchFolder folder_;
  std::optional<PickingSession> session_;
  HWND dialog_ = nullptr;
};

TEST_F(HistoryRun, PicksAreFiledNewestFirstAndSelectBringsBackTheSecond) {
  const std::uint32_t a = at(20, 30), b = at(150, 60);
  ASSERT_TRUE(session().pickPatternAt(20, 30));
  ASSERT_TRUE(session().pickPatternAt(150, 60));
  ASSERT_TRUE(session().pickPatternAt(20, 30));
  ASSERT_NE(open(), nullptr);
  EXPECT_EQ(entries(), (std::vector<std::wstring>{hexOf(a), hexOf(b), hexOf(a)}));
  EXPECT_EQ(SendMessageW(control(HistoryControlId::hist_list), LB_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(pollUntil([&] { return panelColour(HistoryControlId::preview) == b; }, 3s));
  EXPECT_EQ(panelColour(HistoryControlId::prev_clr), a) << "the colour that stays";

  clickControl(control(HistoryControlId::select_btn));
  EXPECT_TRUE(pollUntil([&] { return !IsWindowVisible(dialog_); }, 3s));
  EXPECT_TRUE(session().hexShows(b));
  EXPECT_TRUE(IsWindowEnabled(session().window())) << "the main window takes input again";
}

TEST_F(HistoryRun, CancelAndTheCloseBoxKeepTheCurrentColour) {
  ASSERT_TRUE(session().pickPatternAt(20, 30));
  ASSERT_TRUE(session().pickPatternAt(150, 60));
  ASSERT_NE(open(), nullptr);
  clickControl(control(HistoryControlId::cancel_btn));
  EXPECT_TRUE(pollUntil([&] { return !IsWindowVisible(dialog_); }, 3s));
  EXPECT_TRUE(session().hexShows(at(150, 60)));
  ASSERT_NE(open(), nullptr);
  PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(pollUntil([&] { return !IsWindowVisible(dialog_); }, 3s));
  EXPECT_TRUE(session().hexShows(at(150, 60)));
}

TEST_F(HistoryRun, TheDialogStandsAsLaidOutAtThisDpi) {
  ASSERT_NE(open(), nullptr);
  const Lmr::ui::Size cell = messageFontCell();
  EXPECT_EQ(windowText(dialog_), L"History");
  RECT frame;
  GetWindowRect(dialog_, &frame);
  const Lmr::ui::Size fixed = Lmr::ui::scaleToFont(Lmr::ui::historyWindowLayoutSize, cell);
  EXPECT_EQ(frame.right - frame.left, fixed.width);
  EXPECT_EQ(frame.bottom - frame.top, fixed.height);
  const LONG_PTR style = GetWindowLongPtrW(dialog_, GWL_STYLE);
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_EQ(GetWindow(dialog_, GW_OWNER), session().window());

  for (const auto& spec : Lmr::ui::historyControls()) {
    SCOPED_TRACE(std::string(spec.name));
    const HWND child = control(spec.id);
    ASSERT_NE(child, nullptr);
    const RECT box = childRect(child);
    const Lmr::ui::Box expected = Lmr::ui::scaleToFont(spec.layout, cell);
    EXPECT_EQ((Lmr::ui::Box{box.left, box.top, box.right - box.left, box.bottom - box.top}), expected);
    if (!spec.text.empty()) {
      EXPECT_EQ(windowText(child), spec.text);
    }
  }
  // Front to back: the preview, the returned colour, the list.
  HWND first = GetWindow(dialog_, GW_CHILD);
  EXPECT_EQ(first, control(HistoryControlId::preview));
  EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), control(HistoryControlId::prev_clr));
  EXPECT_EQ(GetWindow(GetWindow(first, GW_HWNDNEXT), GW_HWNDNEXT), control(HistoryControlId::hist_list));

  // On a monitor of another dpi and back, the window, whose size is set in layout units frame and
  // all, scales as a whole, at the size it answered when asked first.
  const int startDpi = screenDpi(), otherDpi = startDpi > 96 ? 96 : 120;
  const auto sizeNow = [&] {
    GetWindowRect(dialog_, &frame);
    return std::pair<int, int>(frame.right - frame.left, frame.bottom - frame.top);
  };
  ASSERT_TRUE(deliverDpiChange(dialog_, otherDpi, 100, {frame.left, frame.top}));
  EXPECT_EQ(sizeNow(), std::pair(MulDiv(fixed.width, otherDpi, startDpi), MulDiv(fixed.height, otherDpi, startDpi)));
  expectTookTheSizeItAnswered(dialog_);
  ASSERT_TRUE(deliverDpiChange(dialog_, startDpi, 100, {frame.left, frame.top}));
  EXPECT_EQ(sizeNow(), std::pair(fixed.width, fixed.height));
  expectTookTheSizeItAnswered(dialog_);
}

}  // namespace
