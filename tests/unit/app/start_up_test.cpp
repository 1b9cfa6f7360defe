#include <gtest/gtest.h>

#include <vector>

#include "app/lumarin.h"
#include "app/process_entry.h"
#include "fake_platform.h"

namespace {

using Lmr::testing::FakePlatform;
using Calls = std::vector<std::string>;

int run(FakePlatform& fake, std::vector<std::wstring> args = {}) {
  auto platform = fake.platform();
  return Lmr::runProcess(args, platform);
}

const Calls fileChecks{"exists app.ico", "exists default.png", "exists crosshair.png",
                       "exists LumarinMouse.dll"};

Calls concat(std::initializer_list<Calls> parts) {
  Calls all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(StartUp, SwitchesEndTheProcessBeforeAnythingElse) {
  FakePlatform silent;
  EXPECT_EQ(run(silent, {L"--silent-install"}), 0);
  EXPECT_TRUE(silent.calls.empty());

  FakePlatform uninstall;
  EXPECT_EQ(run(uninstall, {L"--uninstall", L"more"}), 0);
  EXPECT_EQ(uninstall.calls, Calls{"delete settings"});
}

TEST(StartUp, AFirstInstanceRunsEveryStepInOrder) {
  FakePlatform fake;
  EXPECT_EQ(run(fake, {L"--Uninstall"}), 0);
  const Calls expected = concat({
      {"create marker", "enter program directory", "build controls", "title"},
      fileChecks,
      {"icon", "build options", "build history", "load mouse", "idle picture", "attach panel", "draw last view", "add icon", "not topmost", "show", "loop"},
  });
  EXPECT_EQ(fake.calls, expected);

  FakePlatform atSignIn;
  EXPECT_EQ(run(atSignIn, {L"--tray", L"--uninstall"}), 0);
  Calls hidden = expected;
  std::erase(hidden, std::string("show"));
  EXPECT_EQ(atSignIn.calls, hidden) << "every step but showing the window";
}

TEST(StartUp, ASecondInstanceBringsTheFirstForwardAndEndsHandingOnAPick) {
  FakePlatform fake;
  fake.markerExists = true;
  EXPECT_EQ(run(fake), 0);
  EXPECT_EQ(fake.calls, (Calls{"create marker", "bring forward"}));

  FakePlatform picking;
  picking.markerExists = true;
  EXPECT_EQ(run(picking, {L"--pick"}), 0);
  EXPECT_EQ(picking.calls, (Calls{"create marker", "bring forward", "hand pick request"}));
}

TEST(StartUp, AFirstInstanceAskedToPickStartsPickModeOnceShown) {
  FakePlatform fake;
  fake.onLoop = [&] { EXPECT_TRUE(Lmr::Lumarin::getInstance()->pickMode().is_picking()); };
  EXPECT_EQ(run(fake, {L"--pick"}), 0);
  const auto shown = std::find(fake.calls.begin(), fake.calls.end(), "show");
  ASSERT_NE(shown, fake.calls.end());
  EXPECT_NE(std::find(shown, fake.calls.end(), "begin"), fake.calls.end()) << "the monitor starts after the window shows";
}

TEST(StartUp, OnlyTheFirstMissingFileIsNamedAndTheWindowNeverShows) {
  FakePlatform fake;
  fake.missingFiles = {L"default.png", L"LumarinMouse.dll"};
  EXPECT_EQ(run(fake), 0);
  EXPECT_EQ(fake.messages, std::vector<std::wstring>{L"ERROR Resource file not found: default.png"});
  EXPECT_EQ(fake.calls.back(), "message");
  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "exists crosshair.png"), 0);
}

TEST(StartUp, ASilentFileCheckShowsNothing) {
  FakePlatform fake;
  fake.missingFiles = {L"crosshair.png"};
  EXPECT_FALSE(Lmr::Lumarin::writeMissingEmbededResources(fake, true));
  EXPECT_TRUE(fake.messages.empty());
  fake.missingFiles.clear();
  EXPECT_TRUE(Lmr::Lumarin::writeMissingEmbededResources(fake, false));
}

TEST(StartUp, AnUnloadableMouseLibraryEndsTheLoadStepWithItsMessage) {
  FakePlatform fake;
  fake.mouseLoads = false;
  EXPECT_EQ(run(fake), 0);
  EXPECT_EQ(fake.messages, std::vector<std::wstring>{L"Fatal Error: Could not load LumarinMouse.dll"});
  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "show"), 0);
  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "idle picture"), 0);
}

TEST(StartUp, TheLoadStepSetsTheViewStateAndTheReadyFlag) {
  FakePlatform fake;
  auto platform = fake.platform();
  Lmr::Lumarin lumarin(platform);
  ASSERT_TRUE(lumarin.startedUp());
  EXPECT_FALSE(lumarin.ready().bInitialized);
  ASSERT_TRUE(lumarin.Lumarin_Load());
  EXPECT_TRUE(lumarin.ready().bInitialized);
  EXPECT_EQ(lumarin.readouts().g_pick_clr(), 0xFFA31515u);
  EXPECT_EQ(lumarin.magnifier().sourceRect(), (Lmr::Rect32{0, 0, 200, 200}));
  EXPECT_EQ(lumarin.magnifier().dpi_draw_x(), 49);
  EXPECT_EQ(fake.drawnOffset, 49);
  EXPECT_EQ(Lmr::Lumarin::getInstance(), &lumarin);
}

TEST(StartUp, AFurtherMainWindowObjectIsBare) {
  FakePlatform fake;
  auto platform = fake.platform();
  Lmr::Lumarin first(platform);
  fake.calls.clear();
  Lmr::Lumarin second(platform);
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_FALSE(second.startedUp());
  EXPECT_EQ(Lmr::Lumarin::getInstance(), &first);
}

TEST(StartUp, TheViewOffsetIsHalfTheSpareWidthTruncatedTowardZero) {
  EXPECT_EQ(Lmr::dpiDrawX(299), 49);  // 144 dpi
  EXPECT_EQ(Lmr::dpiDrawX(199), 0);   // 96 dpi: -0.5 truncates to 0
  EXPECT_EQ(Lmr::dpiDrawX(399), 99);  // 192 dpi
  EXPECT_EQ(Lmr::dpiDrawX(200), 0);
  EXPECT_EQ(Lmr::dpiDrawX(190), -5);
}

}  // namespace
