// The colour readouts of the running program: typing a colour, copying, hover selection and the
// system colour chooser.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "ui/main_window_layout.h"

namespace {

using namespace e2e;
using Lmr::ui::ControlId;

class Readouts : public testing::Test {
 protected:
  void SetUp() override {
    deleteSettingsKey();
    window = program.waitForMainWindow();
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (window) closeWindow(window);
    program.waitForExit();
    deleteSettingsKey();
  }

  HWND field(ControlId id) const { return GetDlgItem(window, static_cast<int>(id)); }
  std::wstring shown(ControlId id) const { return windowText(field(id)); }
  // The three readouts as one line, for comparisons that show all of them.
  std::wstring readouts() const {
    return shown(ControlId::out_hex) + L" " + shown(ControlId::out_rgb) + L" " + shown(ControlId::out_hsl);
  }
  void enterHex(const std::wstring& text) { replaceText(field(ControlId::out_hex), text, '0'); }
  void enterRgb(const std::wstring& text) { replaceText(field(ControlId::out_rgb), text, '0'); }
  std::uint32_t swatchPixel() const {
    RECT rect;
    GetWindowRect(field(ControlId::color_current), &rect);
    const LONG x = (rect.left + rect.right) / 2, y = (rect.top + rect.bottom) / 2;
    std::uint32_t pixel = 0;
    pollUntil([&] { return (pixel = screenPixels({x, y, x + 1, y + 1}).at(0)) != 0xFFFFFF; }, 2s);
    return pixel;
  }
  HWND waitForColourChooser() const {
    HWND found = nullptr;
    pollUntil(
        [&] {
          for (HWND w : program.topLevelWindows())
            if (IsWindowVisible(w) && className(w) == L"#32770" && windowText(w) == L"Color") found = w;
          return found != nullptr;
        },
        10s);
    return found;
  }

  ScratchFolder folder;
  Program program{folder};
  HWND window = nullptr;
};

TEST_F(Readouts, TheFieldsStayEmptyUntilTheFirstColourArrives) {
  EXPECT_EQ(readouts(), L"  ");
}

TEST_F(Readouts, TypingAHexColourKeysByKeyShowsItInEveryForm) {
  typeInto(field(ControlId::out_hex), L"#ff0000");
  EXPECT_EQ(readouts(), L"#ff0000 rgb(255,0,0) hsb(0,100,50)");  // the typed case is kept
  EXPECT_EQ(swatchPixel(), 0xFF0000u);
}

TEST_F(Readouts, HexEntriesAreAcceptedOrLeaveEverythingAsItWas) {
  struct Case { const wchar_t* entry; const wchar_t* expected; };
  const Case cases[] = {
      {L"FF0000", L"#FF0000 rgb(255,0,0) hsb(0,100,50)"},       // "#" is added
      {L"#GG0000", L"#000000 rgb(0,0,0) hsb(0,0,0)"},           // a bad pair reads 00
      {L"#3399cc", L"#3399cc rgb(51,153,204) hsb(200,60,50)"},
      {L"#F00", L"#F00 rgb(51,153,204) hsb(200,60,50)"},         // too short: nothing changes
      {L"#FF0000FF", L"#FF0000FF rgb(51,153,204) hsb(200,60,50)"},
      {L"##FF0000", L"##FF0000 rgb(51,153,204) hsb(200,60,50)"},
      {L"", L" rgb(51,153,204) hsb(200,60,50)"},
      {L"#FF0001", L"#FF0001 rgb(255,0,1) hsb(360,100,50)"},     // hue rounds up to 360
  };
  for (const auto& c : cases) {
    enterHex(c.entry);
    EXPECT_EQ(readouts(), c.expected) << "entry " << testing::PrintToString(std::wstring(c.entry));
  }
}

TEST_F(Readouts, RgbEntriesTakeExactlyThreeDigitRunsModulo256) {
  struct Case { std::wstring entry; const wchar_t* expected; };
  const Case cases[] = {
      {L"10 20 30", L"#0A141E rgb(10,20,30) hsb(210,50,8)"},
      {L"a10b20c30", L"#0A141E rgb(10,20,30) hsb(210,50,8)"},
      {L"rgb(300,0,0)", L"#2C0000 rgb(44,0,0) hsb(0,100,9)"},
      {L"rgb(256,256,256)", L"#000000 rgb(0,0,0) hsb(0,0,0)"},
      {L"rgb(1234567,0,0)", L"#870000 rgb(135,0,0) hsb(0,100,26)"},
      {L"rgb(-5,10,20)", L"#050A14 rgb(5,10,20) hsb(220,60,5)"},
      {L"rgb(1.5,2,3)", L"#050A14 rgb(1.5,2,3) hsb(220,60,5)"},  // four runs: nothing changes
      {L"rgb(255,0)", L"#050A14 rgb(255,0) hsb(220,60,5)"},
      {L"rgb(" + std::wstring(3000, L'0') + L"7,1,2)", L"#070102 rgb(7,1,2) hsb(350,75,2)"},
  };
  for (const auto& c : cases) {
    enterRgb(c.entry);
    EXPECT_EQ(readouts(), c.expected) << "entry of " << c.entry.size() << " characters";
  }
}

TEST_F(Readouts, JunkInTheFieldsChangesNothingAndTheProgramRunsOn) {
  enterHex(L"#123456");
  const std::wstring before = readouts();
  for (const std::wstring& junk : {std::wstring(L"\x01\x02\x7f\t"), std::wstring(20000, L'9'),
                                  std::wstring(L"\u0661\u0662\u0663 \uff11\uff12\uff13 \u0664"),
                                  std::wstring(L"rgb(\u00e9,,,)")}) {
    enterHex(junk);
    enterRgb(junk);
    enterHex(L"#123456");
    EXPECT_EQ(readouts(), before);
  }
  EXPECT_TRUE(program.running());
}

TEST_F(Readouts, CopyButtonsPutTheTextOnTheClipboardAndItOutlivesTheProgram) {
  enterHex(L"#3399CC");
  SendMessageW(field(ControlId::copy_rgb), BM_CLICK, 0, 0);
  EXPECT_EQ(linuxClipboardTextOnceItIs(L"rgb(51,153,204)"), L"rgb(51,153,204)");
  SendMessageW(field(ControlId::copy_hsb), BM_CLICK, 0, 0);
  EXPECT_EQ(linuxClipboardTextOnceItIs(L"hsb(200,60,50)"), L"hsb(200,60,50)");

  // Selected text only: the digits after "#".
  SendMessageW(field(ControlId::out_hex), EM_SETSEL, 1, 7);
  SendMessageW(field(ControlId::copy_hex), BM_CLICK, 0, 0);
  EXPECT_EQ(linuxClipboardTextOnceItIs(L"3399CC"), L"3399CC");

  closeWindow(window);
  EXPECT_EQ(program.waitForExit(), 0u);
  window = nullptr;
  EXPECT_EQ(linuxClipboardTextOnceItIs(L"3399CC"), L"3399CC");
}

TEST_F(Readouts, CopyingAnEmptyFieldLeavesTheClipboardAlone) {
  enterHex(L"#3399CC");
  SendMessageW(field(ControlId::copy_hex), BM_CLICK, 0, 0);
  ASSERT_EQ(linuxClipboardTextOnceItIs(L"#3399CC"), L"#3399CC");
  SendMessageW(field(ControlId::out_hsl), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  const DWORD changes = GetClipboardSequenceNumber();
  SendMessageW(field(ControlId::copy_hsb), BM_CLICK, 0, 0);  // returns once the click is handled
  EXPECT_EQ(GetClipboardSequenceNumber(), changes);
  EXPECT_EQ(linuxClipboardTextOnceItIs(L"#3399CC"), L"#3399CC");
}

TEST_F(Readouts, PassingThePointerOverTheHexFieldSelectsItsDigits) {
  enterHex(L"#3399CC");
  RECT hex;
  GetWindowRect(field(ControlId::out_hex), &hex);
  SetCursorPos(hex.left - 20, hex.top + 5);
  pumpMessagesFor(100ms);
  SetCursorPos((hex.left + hex.right) / 2, (hex.top + hex.bottom) / 2);
  const bool selected = pollUntil(
      [&] { return SendMessageW(field(ControlId::out_hex), EM_GETSEL, 0, 0) == MAKELRESULT(1, 7); }, 5s);
  ASSERT_TRUE(selected);
  SendMessageW(field(ControlId::copy_hex), BM_CLICK, 0, 0);
  EXPECT_EQ(linuxClipboardTextOnceItIs(L"3399CC"), L"3399CC");
}

TEST_F(Readouts, TheColourChooserSetsTheColourOnOkAndNothingOnCancel) {
  enterHex(L"#A31515");
  clickControl(field(ControlId::color_current));
  HWND chooser = waitForColourChooser();
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(windowText(GetDlgItem(chooser, 706)), L"163");  // preset to the current colour
  for (const auto& [id, value] : {std::pair{706, L"12"}, std::pair{707, L"34"}, std::pair{708, L"56"}})
    SendMessageW(GetDlgItem(chooser, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value));
  PostMessageW(chooser, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(pollUntil([&] { return shown(ControlId::out_hex) == L"#0C2238"; }, 5s)) << readouts();
  EXPECT_EQ(readouts(), L"#0C2238 rgb(12,34,56) hsb(210,65,13)");

  clickControl(field(ControlId::color_current));
  chooser = waitForColourChooser();
  ASSERT_NE(chooser, nullptr);
  SendMessageW(GetDlgItem(chooser, 706), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"200"));
  PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(pollUntil([&] { return !IsWindow(chooser) || !IsWindowVisible(chooser); }, 5s));
  EXPECT_EQ(readouts(), L"#0C2238 rgb(12,34,56) hsb(210,65,13)");
}

}  // namespace
