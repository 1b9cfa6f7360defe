#include "colour/copy_as_menu.h"

#include <gtest/gtest.h>

#include <cwchar>
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

struct Numbers {
  double a, b, c;
};

Numbers p3Of(const CopyAsMenu& menu) {
  Numbers n{};
  EXPECT_EQ(std::swscanf(menu.items[2].clipboardText.c_str(), L"color(display-p3 %lf %lf %lf)", &n.a, &n.b, &n.c), 3);
  return n;
}

Numbers oklchOf(const CopyAsMenu& menu) {
  Numbers n{};
  EXPECT_EQ(std::swscanf(menu.items[3].clipboardText.c_str(), L"oklch(%lf%% %lf %lf)", &n.a, &n.b, &n.c), 3);
  return n;
}

struct WorkedFigure {
  std::uint8_t r, g, b;
  const wchar_t* hexLabel;
  const wchar_t* rgbLabel;
  Numbers displayP3;
  Numbers oklch;  // lightness in percent
};

// The figures a colour engine gives for pixels of a Display P3 monitor.
TEST(CopyAsMenu, WorkedFiguresOnADisplayP3Monitor) {
  const WorkedFigure figures[] = {
      {200, 100, 50, L"&Hex: #D75D1F", L"&RGB: rgb(215,93,31)", {0.7843, 0.3922, 0.1961}, {62.33, 0.1690, 43.24}},
      {255, 0, 0, L"&Hex: #FF0000 (outside sRGB)", L"&RGB: rgb(255,0,0) (outside sRGB)", {1, 0, 0},
       {64.86, 0.2995, 28.96}},
      {128, 128, 128, L"&Hex: #808080", L"&RGB: rgb(128,128,128)", {0.5020, 0.5020, 0.5020}, {59.99, 0, 0}},
  };
  ASSERT_TRUE(displayP3().matrix);
  for (const WorkedFigure& f : figures) {
    const CopyAsMenu menu = Lmr::copyAsMenuFor(&displayP3(), opaqueArgb(f.r, f.g, f.b), true);
    SCOPED_TRACE(menu.items[0].label);
    EXPECT_EQ(menu.items[0].label, f.hexLabel);
    EXPECT_EQ(menu.items[1].label, f.rgbLabel);
    EXPECT_EQ(menu.items[2].label, L"Display &P3: " + menu.items[2].clipboardText);
    EXPECT_EQ(menu.items[3].label, L"&OKLCH: " + menu.items[3].clipboardText);
    EXPECT_EQ(menu.items[0].clipboardText.size(), 7u);  // "#RRGGBB" alone
    const Numbers p3 = p3Of(menu), oklch = oklchOf(menu);
    EXPECT_NEAR(p3.a, f.displayP3.a, 0.002);
    EXPECT_NEAR(p3.b, f.displayP3.b, 0.002);
    EXPECT_NEAR(p3.c, f.displayP3.c, 0.002);
    EXPECT_NEAR(oklch.a, f.oklch.a, 0.2);
    EXPECT_NEAR(oklch.b, f.oklch.b, 0.002);
    EXPECT_NEAR(oklch.c, f.oklch.c, 0.5);
  }
}

TEST(CopyAsMenu, AGreyStaysItselfWithAndWithoutTheProfile) {
  for (const Lmr::ProfileReading* profile : {&displayP3(), static_cast<const Lmr::ProfileReading*>(nullptr)}) {
    const CopyAsMenu menu = Lmr::copyAsMenuFor(profile, opaqueArgb(128, 128, 128), true);
    EXPECT_EQ(menu.items[0].clipboardText, L"#808080");
    EXPECT_EQ(menu.items[3].clipboardText, L"oklch(59.99% 0.0000 0.00)");
  }
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
