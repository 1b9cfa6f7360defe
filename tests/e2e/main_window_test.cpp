// The main window as it stands on the screen: controls, geometry at the run's DPI, stacking,
// colours, and the idle picture in the magnifier.
#include "win32/gdiplus_include.h"
#include <gtest/gtest.h>

#include <algorithm>

#include "harness.h"
#include "ui/main_window_layout.h"

namespace Lmr::ui {
void PrintTo(const Box& b, std::ostream* out) {
  *out << "(" << b.x << "," << b.y << " " << b.width << "x" << b.height << ")";
}
}  // namespace Lmr::ui

namespace {

using namespace e2e;
using Lmr::ui::ControlId;
using Lmr::ui::ControlKind;

constexpr int upDownArrowsId = 1100;

class MainWindowOnScreen : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    deleteSettingsKey();
    folder = new ScratchFolder;
    program = new Program(*folder);
    window = program->waitForMainWindow();
  }
  static void TearDownTestSuite() {
    if (window) closeWindow(window);
    if (program) {
      EXPECT_EQ(program->waitForExit(), 0u);
    }
    delete program;
    delete folder;
    deleteSettingsKey();
  }
  void SetUp() override { ASSERT_NE(window, nullptr); }

  static HWND control(ControlId id) { return GetDlgItem(window, static_cast<int>(id)); }
  // Every control's box, and the client area, as the layout table puts them at `dpi`.
  static void expectLayoutAt(int dpi);
  // The window's icons at the sizes for `dpi`, its tips in the controls' font.
  static void expectIconsAndTipsAt(int dpi);
  static Lmr::ui::Box boxOf(RECT r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }
  // A spot of the window's own face, on the screen.
  static POINT faceSpot() {
    POINT spot{Lmr::ui::scaleToDpi(4, screenDpi()), Lmr::ui::scaleToDpi(4, screenDpi())};
    ClientToScreen(window, &spot);
    return spot;
  }
  static std::uint32_t pixelAt(POINT spot) { return screenPixels({spot.x, spot.y, spot.x + 1, spot.y + 1}).at(0); }
  static std::uint32_t rgbOf(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

  static ScratchFolder* folder;
  static Program* program;
  static HWND window;
};
ScratchFolder* MainWindowOnScreen::folder = nullptr;
Program* MainWindowOnScreen::program = nullptr;
HWND MainWindowOnScreen::window = nullptr;

TEST_F(MainWindowOnScreen, RunsAtTheDpiTheRunAskedFor) {
  const wchar_t* asked = _wgetenv(L"LUMARIN_E2E_DPI");
  ASSERT_NE(asked, nullptr);
  EXPECT_EQ(screenDpi(), _wtoi(asked));
  const wchar_t* monitors = _wgetenv(L"LUMARIN_E2E_MONITORS");
  if (monitors && _wtoi(monitors) == 2) {
    EXPECT_EQ(leftMonitor().value_or(POINT{}).x, -1280);
  }
}

TEST_F(MainWindowOnScreen, EveryControlStandsWhereTheLayoutPutsItAtThisDpi) { expectLayoutAt(screenDpi()); }

// To a lower dpi (from the lowest, higher) and back as a start there lays out, at the size the
// window answered when asked first; its icons and tips follow. Dpi 0 is not answered and does nothing.
TEST_F(MainWindowOnScreen, ADpiChangeLaysTheWindowOutAsAStartAtThatDpi) {
  const int startDpi = screenDpi(), otherDpi = startDpi > 96 ? 96 : 120;
  RECT start{}, moved{}, back{};
  GetWindowRect(window, &start);
  expectIconsAndTipsAt(startDpi);
  ASSERT_TRUE(deliverDpiChange(window, otherDpi, 100, {start.left + 40, start.top + 30}));
  expectLayoutAt(otherDpi);
  expectTookTheSizeItAnswered(window);
  expectIconsAndTipsAt(otherDpi);
  ASSERT_TRUE(deliverDpiChange(window, 0, 100, {start.left, start.top}));
  EXPECT_FALSE(scaledSizeAnswer(window).has_value());
  GetWindowRect(window, &moved);
  EXPECT_EQ(std::pair(moved.left, moved.top), std::pair(start.left + 40, start.top + 30));
  ASSERT_TRUE(deliverDpiChange(window, startDpi, 100, {start.left, start.top}));
  expectLayoutAt(startDpi);
  expectTookTheSizeItAnswered(window);
  expectIconsAndTipsAt(startDpi);
  GetWindowRect(window, &back);
  EXPECT_TRUE(EqualRect(&back, &start));
}

void MainWindowOnScreen::expectIconsAndTipsAt(int dpi) {
  const auto reading = expectIconsAt(window, dpi, control(ControlId::btn_pick));
  ASSERT_TRUE(reading.has_value());
  EXPECT_EQ(reading->tipFontHeight, reading->controlFontHeight) << "the tips draw in the controls' font at " << dpi;
}

void MainWindowOnScreen::expectLayoutAt(int dpi) {
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, Lmr::ui::scaleToDpi(300, dpi) + Lmr::ui::scaleToDpi(4, dpi));
  EXPECT_EQ(client.bottom, Lmr::ui::scaleToDpi(538, dpi) + Lmr::ui::scaleToDpi(4, dpi));
  for (const auto& spec : Lmr::ui::mainWindowControls()) {
    HWND child = control(spec.id);
    ASSERT_NE(child, nullptr) << spec.name;
    RECT rect = childRect(child);
    if (spec.kind == ControlKind::NumericUpDown) {
      // The number field and its arrows share the control's box.
      const RECT arrows = childRect(GetDlgItem(window, upDownArrowsId));
      UnionRect(&rect, &rect, &arrows);
    }
    const Lmr::ui::Box expected = Lmr::ui::scaleToDpi(spec.design, dpi), actual = boxOf(rect);
    if (spec.kind == ControlKind::Label) {
      EXPECT_EQ(actual.x, expected.x) << spec.name;
      EXPECT_EQ(actual.y, expected.y) << spec.name;
      EXPECT_GT(actual.width, 0) << spec.name;
    } else {
      EXPECT_EQ(actual, expected) << spec.name;
    }
  }
}

TEST_F(MainWindowOnScreen, ControlsShowTheirTexts) {
  for (const auto& spec : Lmr::ui::mainWindowControls())
    if (spec.kind != ControlKind::Panel) {
      EXPECT_EQ(windowText(control(spec.id)), std::wstring(spec.text)) << spec.name;
    }
  EXPECT_EQ(windowText(window), L"Lumarin");
}

TEST_F(MainWindowOnScreen, TheClientAreaEnclosesTheControlsWithTheirMargins) {
  RECT client;
  GetClientRect(window, &client);
  const int dpi = screenDpi();
  EXPECT_EQ(client.right, Lmr::ui::scaleToDpi(300, dpi) + Lmr::ui::scaleToDpi(4, dpi));
  EXPECT_EQ(client.bottom, Lmr::ui::scaleToDpi(538, dpi) + Lmr::ui::scaleToDpi(4, dpi));
}

TEST_F(MainWindowOnScreen, ChildrenStackFrontToBackAsLaidOut) {
  std::vector<int> ids;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(child);
    if (id != upDownArrowsId) ids.push_back(id);
  }
  std::vector<int> expected;
  for (const ControlId id : Lmr::ui::stackingOrder()) expected.push_back(static_cast<int>(id));
  EXPECT_EQ(ids, expected);
}

TEST_F(MainWindowOnScreen, TheWindowHasAMinimiseButNoMaximiseBoxAndCannotBeResized) {
  const auto style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  RECT frame;
  GetWindowRect(window, &frame);
  const LPARAM bottomRight = MAKELPARAM(frame.right - 2, frame.bottom - 2);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, bottomRight), HTBORDER);
}

TEST_F(MainWindowOnScreen, TheSwatchesAreWhiteOnTheControlFace) {
  for (const ControlId id : {ControlId::color_current, ControlId::color_previous}) {
    RECT rect;
    GetWindowRect(control(id), &rect);
    const LONG midY = (rect.top + rect.bottom) / 2;
    const auto pixels = screenPixels({rect.left + 8, midY, rect.left + 9, midY + 1});
    EXPECT_EQ(pixels.at(0), 0xFFFFFFu);
  }
  EXPECT_EQ(pixelAt(faceSpot()), rgbOf(GetSysColor(COLOR_BTNFACE)));
}

// One of the system's colours changed by the program's process for the whole session; the one
// found is put back at the end, also after a failed check.
class ChangedSystemColour {
 public:
  ChangedSystemColour(HWND window, int index, COLORREF colour)
      : window_(window), index_(index), found_(GetSysColor(index)) {
    EXPECT_TRUE(set(colour));
  }
  ChangedSystemColour(const ChangedSystemColour&) = delete;
  ChangedSystemColour& operator=(const ChangedSystemColour&) = delete;
  ~ChangedSystemColour() { set(found_); }
  bool set(COLORREF colour) const { return setSystemColourInProgram(window_, index_, colour); }
  COLORREF found() const { return found_; }

 private:
  HWND window_;
  int index_;
  COLORREF found_;
};

// Changed while the program runs (a high-contrast theme switched on), the face colour shows in
// the window's face and in the strength field's, which the window paints with a brush of its own;
// changed back, the old one shows again.
TEST_F(MainWindowOnScreen, TheFaceTakesTheSystemsColourChangedWhileItRuns) {
  RECT field{};
  GetWindowRect(control(ControlId::fisheye_num_updn), &field);
  const POINT fieldSpot{field.left + 1, field.bottom - 2};  // clear of the right-aligned number
  const auto faces = [&] { return std::pair(pixelAt(faceSpot()), pixelAt(fieldSpot)); };
  const COLORREF changed = RGB(64, 144, 112);
  const ChangedSystemColour face(window, COLOR_BTNFACE, changed);
  EXPECT_TRUE(pollUntil([&] { return faces() == std::pair(rgbOf(changed), rgbOf(changed)); }, 3s))
      << std::hex << faces().first << " " << faces().second;
  EXPECT_TRUE(face.set(face.found()));
  EXPECT_TRUE(pollUntil([&] { return faces() == std::pair(rgbOf(face.found()), rgbOf(face.found())); }, 3s))
      << std::hex << faces().first << " " << faces().second;
}

HWND focusedControlOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

TEST_F(MainWindowOnScreen, TabVisitsTheControlsInTheirTabOrder) {
  SetForegroundWindow(window);
  const auto order = Lmr::ui::tabOrder();
  for (std::size_t step = 0; step < order.size() + 2; ++step) {
    PostMessageW(focusedControlOf(window) ? focusedControlOf(window) : window, WM_KEYDOWN, VK_TAB, 1);
    const HWND expected = control(order[step % order.size()]);
    EXPECT_TRUE(pollUntil([&] { return focusedControlOf(window) == expected; }, 3s))
        << "step " << step << ": expected " << Lmr::ui::controlSpec(order[step % order.size()]).name;
  }
}

// The top-left corner of default.png, decoded here independently of the program.
std::vector<std::uint32_t> pictureCorner(const std::wstring& path, int width, int height) {
  namespace flat = Gdiplus::DllExports;
  Gdiplus::GpBitmap* bitmap = nullptr;
  std::vector<std::uint32_t> pixels;
  if (flat::GdipCreateBitmapFromFile(path.c_str(), &bitmap) != Gdiplus::Ok) return pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Gdiplus::ARGB argb = 0;
      flat::GdipBitmapGetPixel(bitmap, x, y, &argb);
      pixels.push_back(argb & 0x00FFFFFF);
    }
  flat::GdipDisposeImage(bitmap);
  return pixels;
}

TEST_F(MainWindowOnScreen, TheMagnifierShowsTheIdlePictureAtTheViewOffset) {
  HWND panel = control(ControlId::pick_zoom);
  RECT outer, client;
  GetWindowRect(panel, &outer);
  GetClientRect(panel, &client);
  const int offset = static_cast<int>((outer.right - outer.left - 200) * 0.5);
  const int width = std::min<int>(200, client.right - offset), height = std::min<int>(200, client.bottom - offset);
  POINT origin{offset, offset};
  ClientToScreen(panel, &origin);
  const auto shown = screenPixels({origin.x, origin.y, origin.x + width, origin.y + height});
  const auto expected = pictureCorner(folder->file(L"default.png"), width, height);
  ASSERT_EQ(expected.size(), shown.size());
  std::size_t differing = 0;
  for (std::size_t i = 0; i < shown.size(); ++i) differing += shown[i] != expected[i];
  EXPECT_EQ(differing, 0u) << "of " << shown.size() << " pixels";
}

TEST_F(MainWindowOnScreen, ARepaintShowsTheIdlePictureAgain) {
  HWND panel = control(ControlId::pick_zoom);
  RECT outer;
  GetWindowRect(panel, &outer);
  const RECT probe{outer.left + 60, outer.top + 60, outer.left + 160, outer.top + 160};
  const auto before = screenPixels(probe);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pumpMessagesFor(300ms);
  EXPECT_EQ(screenPixels(probe), before);
}

}  // namespace
