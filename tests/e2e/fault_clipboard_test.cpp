// A copy while another program holds the clipboard open: the program tries a moment, copies
// nothing, stays responsive, and a copy after the clipboard is free works.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "ui/main_window_layout.h"

namespace {

using namespace e2e;
using Lmr::ui::ControlId;

// The driver's own window holds the clipboard open while this lives; the driver is another
// process than the program, so the program cannot open it.
class HeldClipboard {
 public:
  HeldClipboard()
      : window_(CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr)),
        held_(OpenClipboard(window_) != FALSE) {}
  HeldClipboard(const HeldClipboard&) = delete;
  HeldClipboard& operator=(const HeldClipboard&) = delete;
  ~HeldClipboard() {
    if (held_) CloseClipboard();
    DestroyWindow(window_);
  }
  bool held() const { return held_; }

 private:
  HWND window_;
  bool held_;
};

TEST(FaultsClipboard, ACopyWhileAnotherProgramHoldsTheClipboardCopiesNothingAndALaterOneWorks) {
  deleteSettingsKey();
  ScratchFolder folder;
  Program program(folder);
  const HWND window = program.waitForMainWindow();
  ASSERT_NE(window, nullptr);
  const auto field = [&](ControlId id) { return GetDlgItem(window, static_cast<int>(id)); };
  const auto press = [&](ControlId id) {
    return SendMessageTimeoutW(field(id), BM_CLICK, 0, 0, SMTO_NORMAL, 10000, nullptr) != 0;
  };
  replaceText(field(ControlId::out_hex), L"#3399CC", '0');
  ASSERT_TRUE(press(ControlId::copy_hex));
  ASSERT_EQ(linuxClipboardTextOnceItIs(L"#3399CC"), L"#3399CC");

  {
    HeldClipboard holder;
    ASSERT_TRUE(holder.held());
    const DWORD changes = GetClipboardSequenceNumber();
    const auto pressed = Clock::now();
    ASSERT_TRUE(press(ControlId::copy_rgb)) << "the click is handled";
    const auto waited = Clock::now() - pressed;
    EXPECT_GE(waited, 150ms) << "the program tried again before giving up";
    EXPECT_LT(waited, 3s);
    EXPECT_EQ(GetClipboardSequenceNumber(), changes) << "nothing was copied";
    EXPECT_NE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr), 0) << "responsive";
    EXPECT_EQ(windowText(field(ControlId::out_rgb)), L"rgb(51,153,204)");
  }
  EXPECT_EQ(linuxClipboardTextOnceItIs(L"#3399CC"), L"#3399CC") << "the held clipboard kept what it had";
  ASSERT_TRUE(press(ControlId::copy_rgb));
  EXPECT_EQ(linuxClipboardTextOnceItIs(L"rgb(51,153,204)"), L"rgb(51,153,204)");
  closeWindow(window);
  EXPECT_EQ(program.waitForExit(), 0u);
  deleteSettingsKey();
}

}  // namespace
