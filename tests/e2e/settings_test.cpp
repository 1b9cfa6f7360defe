// The settings key and the options dialog of the real program: what a first start writes, how
// stored values load into the check boxes, what OK and the close box store, and the dialog as it
// stands on the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "options_session.h"
#include "ui/main_window_layout.h"
#include "ui/options_layout.h"

namespace {

using namespace e2e;
using Lmr::ui::OptionsControlId;
using Lmr::ui::OptionsControlKind;

std::string describe(const Lmr::ui::Box& box) {
  return "(" + std::to_string(box.x) + "," + std::to_string(box.y) + " " + std::to_string(box.width) + "x" +
         std::to_string(box.height) + ")";
}

Lmr::ui::Box boxOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

class Settings : public testing::Test {
 protected:
  void SetUp() override { deleteSettingsKey(); }
  void TearDown() override { deleteSettingsKey(); }

  ScratchFolder folder;
};

TEST_F(Settings, FirstStartCreatesTheKeyWithOnlyItsMarkerAndShowsTheDefaults) {
  Session session(folder);
  ASSERT_NE(session.window(), nullptr);
  EXPECT_EQ(storedValues(), std::vector<StoredEntry>{dword(L"", 1)});
  ASSERT_NE(session.openOptions(), nullptr);
  EXPECT_EQ(session.checks(), defaultChecks);
  ASSERT_TRUE(session.closeWithCloseBox());
  EXPECT_EQ(storedValues(), std::vector<StoredEntry>{dword(L"", 1)});
}

TEST_F(Settings, OnlyTheTextOneOrANumberOneLoadsCheckedAndOkStoresDwords) {
  const BYTE binaryOne[] = {1, 0, 0, 0};
  const ULONGLONG bigOne = 1;
  const DWORD two = 2;
  writeSettingsText(L"minimize_tray", L"1");
  writeSettingsValue(L"close_btn_minimizes", REG_DWORD, &two, sizeof two);
  writeSettingsText(L"pick_from_snapshot", L" 1");
  writeSettingsValue(L"window_move_pick", REG_QWORD, &bigOne, sizeof bigOne);
  writeSettingsValue(L"lines_between_pixels", REG_BINARY, binaryOne, sizeof binaryOne);
  writeSettingsText(L"round_hsb", std::wstring(10000, L'1'));  // far too long to be a setting: off

  Session session(folder);
  ASSERT_NE(session.openOptions(), nullptr);
  EXPECT_EQ(session.checks(), (std::vector<bool>{true, false, false, true, false, false}));
  ASSERT_TRUE(session.pressOkButton());
  // The key existed without its unnamed value: none is added.
  EXPECT_EQ(storedValues(), sixStored({1, 0, 0, 1, 0, 0}));
}

TEST_F(Settings, OkStoresAllSixEveryTimeChangedOrNot) {
  Session session(folder);
  ASSERT_NE(session.openOptions(), nullptr);
  ASSERT_TRUE(session.pressOkButton());
  auto expected = sixStored({0, 0, 0, 0, 0, 1});
  expected.push_back(dword(L"", 1));
  EXPECT_EQ(storedValues(), sortedByName(expected));

  writeSettingsDword(L"window_move_pick", 7);  // overwritten by the next OK, though unchanged in the dialog
  RegDeleteKeyValueW(HKEY_CURRENT_USER, settingsKey, L"round_hsb");
  ASSERT_NE(session.openOptions(), nullptr);
  session.click(OptionsControlId::minimize_tray);
  ASSERT_TRUE(session.pressOkButton());
  EXPECT_EQ(readSettingsDword(L"minimize_tray"), 1u);
  EXPECT_EQ(readSettingsDword(L"window_move_pick"), 0u);
  EXPECT_EQ(readSettingsDword(L"round_hsb"), 1u);
}

TEST_F(Settings, AChangeClosedWithTheCloseBoxLastsOnlyThisRun) {
  {
    Session session(folder);
    ASSERT_NE(session.openOptions(), nullptr);
    session.click(OptionsControlId::lines_between_pixels);
    ASSERT_TRUE(session.closeWithCloseBox());
    EXPECT_TRUE(session.checks()[4]) << "the hidden dialog keeps the live setting";
    ASSERT_NE(session.openOptions(), nullptr);
    EXPECT_TRUE(session.checks()[4]);
    ASSERT_TRUE(session.closeWithCloseBox());
    EXPECT_EQ(storedValues(), std::vector<StoredEntry>{dword(L"", 1)});
  }
  Session next(folder);
  ASSERT_NE(next.openOptions(), nullptr);
  EXPECT_EQ(next.checks(), defaultChecks);
}

TEST_F(Settings, EnterAndEscapeDoNotCloseTheDialog) {
  Session session(folder);
  ASSERT_NE(session.openOptions(), nullptr);
  const HWND box = session.control(OptionsControlId::round_hsb);
  for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    PostMessageW(box, WM_KEYDOWN, key, 1);
    PostMessageW(box, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
  }
  pumpMessagesFor(300ms);
  EXPECT_TRUE(IsWindowVisible(session.dialog()));
  EXPECT_EQ(session.checks(), defaultChecks);
  EXPECT_EQ(storedValues(), std::vector<StoredEntry>{dword(L"", 1)});
}

TEST_F(Settings, TabVisitsTheFocusableControlsInTabIndexOrder) {
  Session session(folder);
  ASSERT_NE(session.openOptions(), nullptr);
  const DWORD thread = GetWindowThreadProcessId(session.dialog(), nullptr);
  const auto focused = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread, &info);
    return info.hwndFocus;
  };
  const auto order = Lmr::ui::optionsTabOrder();
  ASSERT_TRUE(pollUntil([&] { return focused() == session.control(order.front()); }, 2s))
      << "the first control in the tab order has the focus when the dialog opens";
  for (std::size_t step = 1; step <= order.size(); ++step) {
    PostMessageW(focused(), WM_KEYDOWN, VK_TAB, 1);
    const HWND expected = session.control(order[step % order.size()]);
    EXPECT_TRUE(pollUntil([&] { return focused() == expected; }, 2s)) << "tab step " << step;
  }
  // Shift+Tab needs the real shift state, so it comes as keyboard input to the active dialog.
  SetForegroundWindow(session.dialog());
  const auto key = [](WORD code, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.dwFlags = flags;
    return input;
  };
  INPUT shiftTab[] = {key(VK_SHIFT, 0), key(VK_TAB, 0), key(VK_TAB, KEYEVENTF_KEYUP), key(VK_SHIFT, KEYEVENTF_KEYUP)};
  SendInput(4, shiftTab, sizeof(INPUT));
  EXPECT_TRUE(pollUntil([&] { return focused() == session.control(order.back()); }, 2s)) << "shift+tab";
}

TEST_F(Settings, TheDialogIsTopmostFixedModalAndOwnedByTheMainWindow) {
  Session session(folder);
  ASSERT_NE(session.openOptions(), nullptr);
  const HWND dialog = session.dialog();
  EXPECT_EQ(windowText(dialog), L"Lumarin Options");
  EXPECT_TRUE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
  const auto style = GetWindowLongPtrW(dialog, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), session.window());
  EXPECT_FALSE(IsWindowEnabled(session.window())) << "the main window takes no input while the dialog is open";
  ASSERT_TRUE(session.closeWithCloseBox());
  EXPECT_TRUE(session.program().running());
}

// The main window's readouts follow the box at once, before any OK.
TEST_F(Settings, RoundHsbOffGivesUnroundedTextAtTheNextRefresh) {
  Session session(folder);
  const HWND hex = GetDlgItem(session.window(), static_cast<int>(Lmr::ui::ControlId::out_hex));
  const HWND hsb = GetDlgItem(session.window(), static_cast<int>(Lmr::ui::ControlId::out_hsl));
  const auto typeGrey = [&] {
    SendMessageW(hex, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    typeInto(hex, L"#808080");
    return windowText(hsb);
  };
  EXPECT_EQ(typeGrey(), L"hsb(0,0,50)");
  ASSERT_NE(session.openOptions(), nullptr);
  session.click(OptionsControlId::round_hsb);
  ASSERT_TRUE(session.closeWithCloseBox());
  EXPECT_EQ(windowText(hsb), L"hsb(0,0,50)") << "the shown text is not rewritten by the change itself";
  EXPECT_EQ(typeGrey(), L"hsb(0,0,50.19608)");
}

// The driver measures the dialog's fonts as the program does: both are DPI aware in one session.
class DialogFonts {
 public:
  DialogFonts() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    message_ = CreateFontIndirectW(&metrics.lfMessageFont);
    LOGFONTW about{};
    about.lfHeight = -MulDiv(9, screenDpi(), 72);
    about.lfWeight = FW_NORMAL;
    about.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(about.lfFaceName, L"Microsoft Sans Serif");
    about_ = CreateFontIndirectW(&about);
  }
  DialogFonts(const DialogFonts&) = delete;
  DialogFonts& operator=(const DialogFonts&) = delete;
  ~DialogFonts() {
    DeleteObject(message_);
    DeleteObject(about_);
  }
  Lmr::ui::Size extent(OptionsControlId id, const std::wstring& text) const {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, id == OptionsControlId::label1 ? about_ : message_);
    SIZE size{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return {size.cx, metrics.tmHeight};
  }
  Lmr::ui::Size cell() const {
    const Lmr::ui::Size letters =
        extent(OptionsControlId::none, L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return Lmr::ui::fontCell(letters.width, letters.height);
  }

 private:
  HFONT message_ = nullptr;
  HFONT about_ = nullptr;
};

// A link label's window text carries its link markup.
std::wstring shownText(HWND control, OptionsControlKind kind) {
  std::wstring text = windowText(control);
  if (kind != OptionsControlKind::LinkLabel) return text;
  for (const std::wstring tag : {L"<a>", L"</a>"})
    if (const auto at = text.find(tag); at != std::wstring::npos) text.erase(at, tag.size());
  return text;
}

TEST_F(Settings, TheDialogStandsAsLaidOutAtThisDpi) {
  Session session(folder);
  ASSERT_NE(session.openOptions(), nullptr);
  const DialogFonts fonts;
  const Lmr::ui::Size cell = fonts.cell();
  RECT client{};
  GetClientRect(session.dialog(), &client);
  const Lmr::ui::Size clientSize = Lmr::ui::scaleToFont(Lmr::ui::optionsClientLayoutSize, cell);
  EXPECT_EQ(client.right, clientSize.width);
  EXPECT_EQ(client.bottom, clientSize.height);

  for (const auto& spec : Lmr::ui::optionsControls()) {
    SCOPED_TRACE(std::string(spec.name));
    const HWND control = session.control(spec.id);
    ASSERT_NE(control, nullptr);
    const std::wstring text = shownText(control, spec.kind);
    if (spec.id == OptionsControlId::label1) {
      EXPECT_EQ(text, L"Huedisk Software 1.00.11");
    } else {
      EXPECT_EQ(text, spec.text);
    }
    const Lmr::ui::Box expected = Lmr::ui::fittedBox(spec, cell, fonts.extent(spec.id, text));
    EXPECT_EQ(describe(boxOf(childRect(control))), describe(expected));
    EXPECT_TRUE(IsWindowVisible(control));
  }
  EXPECT_EQ(className(session.control(OptionsControlId::check_for_updates)), L"SysLink");

  // Moved to a monitor of another dpi: every box and the client area scaled from the layout as
  // made, framed at the size the dialog answered when asked first, the icons at that dpi's sizes;
  // moved back: the layout as made. (A control's font cannot be asked for from another process
  // under Wine.)
  const int startDpi = screenDpi(), otherDpi = startDpi > 96 ? 96 : 120;
  const auto clientNow = [&] {
    RECT now{};
    GetClientRect(session.dialog(), &now);
    return std::pair<int, int>(now.right, now.bottom);
  };
  expectIconsAt(session.dialog(), startDpi);
  const auto layout = [&](int scaledTo) {  // every box, scaled from the start's dpi to `scaledTo`
    std::vector<std::string> boxes;
    const auto scaled = [&](long value) { return MulDiv(value, scaledTo, startDpi); };
    for (const auto& spec : Lmr::ui::optionsControls()) {
      const RECT box = childRect(session.control(spec.id));
      boxes.push_back(describe(boxOf({scaled(box.left), scaled(box.top), scaled(box.right), scaled(box.bottom)})));
    }
    return boxes;
  };
  const auto made = layout(startDpi), madeScaled = layout(otherDpi);
  const auto madeClient = clientNow();
  const auto madeClientScaled =
      std::pair(MulDiv(madeClient.first, otherDpi, startDpi), MulDiv(madeClient.second, otherDpi, startDpi));
  RECT frame{};
  GetWindowRect(session.dialog(), &frame);
  ASSERT_TRUE(deliverDpiChange(session.dialog(), otherDpi, 100, {frame.left, frame.top}));
  EXPECT_EQ(layout(startDpi), madeScaled);
  EXPECT_EQ(clientNow(), madeClientScaled) << "the frame is not scaled with the client";
  expectTookTheSizeItAnswered(session.dialog());
  expectIconsAt(session.dialog(), otherDpi);
  ASSERT_TRUE(deliverDpiChange(session.dialog(), startDpi, 100, {frame.left, frame.top}));
  EXPECT_EQ(layout(startDpi), made);
  EXPECT_EQ(clientNow(), madeClient);
  expectTookTheSizeItAnswered(session.dialog());
  expectIconsAt(session.dialog(), startDpi);
}

}  // namespace
