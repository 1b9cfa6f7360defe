#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Lmr::StartAction;

StartAction actionFor(std::vector<std::wstring> args) { return Lmr::startActionFor(args); }

TEST(CommandLine, OnlyTheExactFirstArgumentIsASwitch) {
  EXPECT_EQ(actionFor({}), StartAction::Run);
  EXPECT_EQ(actionFor({L"--silent-install"}), StartAction::SilentInstall);
  EXPECT_EQ(actionFor({L"--uninstall"}), StartAction::Uninstall);
  EXPECT_EQ(actionFor({L"--uninstall", L"--silent-install", L"x"}), StartAction::Uninstall);
  EXPECT_EQ(actionFor({L"--silent-install", L"--uninstall"}), StartAction::SilentInstall);
}

TEST(CommandLine, NearMissesAndLaterSwitchesStartTheProgram) {
  EXPECT_EQ(actionFor({L"--Uninstall"}), StartAction::Run);
  EXPECT_EQ(actionFor({L"--SILENT-INSTALL"}), StartAction::Run);
  EXPECT_EQ(actionFor({L"--uninstall "}), StartAction::Run);
  EXPECT_EQ(actionFor({L"-uninstall"}), StartAction::Run);
  EXPECT_EQ(actionFor({L""}), StartAction::Run);
  EXPECT_EQ(actionFor({L"x", L"--uninstall"}), StartAction::Run);
  EXPECT_EQ(actionFor({L"/uninstall"}), StartAction::Run);
}

}  // namespace
