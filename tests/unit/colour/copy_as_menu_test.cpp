#include "colour/copy_as_menu.h"

#include <gtest/gtest.h>

#include <string>

#include "icc_test_bytes.h"

namespace {

using Lmr::CopyAsMenu;
using Lmr::opaqueArgb;

const Lmr::ProfileReading& displayP3() {
  static const Lmr::ProfileReading reading =
      Lmr::readIccProfile(Lmr::test::profileFile(Lmr::test::argyllProfiles + "DisplayP3.icm"));
  return reading;
}

TEST(CopyAsMenu, ItemsShowWhatTheyCopyAndTheSrgbOnesSayWhenTheColourIsOutside) {
  const CopyAsMenu menu = Lmr::copyAsMenuFor(&displayP3(), opaqueArgb(255, 0, 0), true);
  const std::wstring labels[] = {L"&Hex: #FF0000 (outside sRGB)", L"&RGB: rgb(255,0,0) (outside sRGB)",
                                 L"Display &P3: " + menu.items[2].clipboardText,
                                 L"&OKLCH: " + menu.items[3].clipboardText};
  const std::wstring copied[] = {L"#FF0000", L"rgb(255,0,0)", L"color(display-p3 ", L"oklch("};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(menu.items[i].label, labels[i]);
    EXPECT_TRUE(menu.items[i].clipboardText.starts_with(copied[i])) << menu.items[i].clipboardText;
  }
  EXPECT_EQ(menu.items[1].clipboardText, copied[1]);
}

struct ProfileLineCase {
  const Lmr::ProfileReading* profile;
  bool fromScreen;
  const wchar_t* line;
  const wchar_t* hex;  // of device (200, 100, 50)
};

TEST(CopyAsMenu, TheProfileLineSaysWhichValuesTheItemsConvert) {
  const Lmr::ProfileReading unsupported{L"Panel & Co", std::nullopt};
  const Lmr::ProfileReading unnamed{L"", std::nullopt};
  const ProfileLineCase cases[] = {
      {nullptr, true, L"Monitor profile: none (sRGB)", L"#C86432"},
      {&displayP3(), true, L"Monitor profile: DisplayP3 color profile", L"#D75D1F"},
      {&unsupported, true, L"Monitor profile: Panel && Co (not supported: the screen's own values)", L"#C86432"},
      {&unnamed, true, L"Monitor profile: unnamed (not supported: the screen's own values)", L"#C86432"},
      {&displayP3(), false, L"Monitor profile: not applied (an sRGB colour)", L"#C86432"},
  };
  for (const ProfileLineCase& c : cases) {
    const CopyAsMenu menu = Lmr::copyAsMenuFor(c.profile, opaqueArgb(200, 100, 50), c.fromScreen);
    EXPECT_EQ(menu.profileLine, c.line);
    EXPECT_EQ(menu.items[0].clipboardText, c.hex) << c.line;
  }
}

}  // namespace
