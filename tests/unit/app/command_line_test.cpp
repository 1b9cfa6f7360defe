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
  EXPECT_EQ(actionFor({L"--tray", L"--uninstall"}), StartAction::Tray);
  EXPECT_EQ(actionFor({L"--pick", L"--tray"}), StartAction::Pick);
}

TEST(CommandLine, NearMissesAndLaterSwitchesStartTheProgram) {
  EXPECT_EQ(actionFor({L"--Uninstall"}), StartAction::Run);
  EXPECT_EQ(actionFor({L"--SILENT-INSTALL"}), StartAction::Run);
  EXPECT_EQ(actionFor({L"--uninstall "}), StartAction::Run);
  EXPECT_EQ(actionFor({L"-uninstall"}), StartAction::Run);
  EXPECT_EQ(actionFor({L""}), StartAction::Run);
  EXPECT_EQ(actionFor({L"x", L"--uninstall"}), StartAction::Run);
  EXPECT_EQ(actionFor({L"/uninstall"}), StartAction::Run);
  EXPECT_EQ(actionFor({L"--Tray"}), StartAction::Run);
  EXPECT_EQ(actionFor({L"x", L"--tray"}), StartAction::Run);
  EXPECT_EQ(actionFor({L"--PICK"}), StartAction::Run);
}

}  // namespace

namespace {

using Args = std::vector<std::wstring>;

void expectSplit(std::initializer_list<std::pair<const wchar_t*, Args>> cases) {
  for (const auto& [line, args] : cases) EXPECT_EQ(Lmr::argumentsOf(line), args) << line;
}

// The examples of the Microsoft C runtime's documentation, after a program name.
TEST(CommandLineSplitting, TheDocumentedExamples) {
  expectSplit({
      {LR"(x.exe "abc" d e)", {L"abc", L"d", L"e"}},
      {LR"(x.exe a\\b d"e f"g h)", {LR"(a\\b)", L"de fg", L"h"}},
      {LR"(x.exe a\\\"b c d)", {LR"(a\"b)", L"c", L"d"}},
      {LR"(x.exe a\\\\"b c" d e)", {LR"(a\\b c)", L"d", L"e"}},
      {LR"(x.exe a"b"" c d)", {LR"(ab" c d)"}},
  });
}

TEST(CommandLineSplitting, BackslashesQuotesAndBlanks) {
  expectSplit({
      {L"x.exe\t--uninstall\t\tb  ", {L"--uninstall", L"b"}},
      {LR"(x.exe "" b)", {L"", L"b"}},
      {LR"(x.exe """")", {LR"(")"}},
      {LR"(x.exe "a b)", {L"a b"}},
      {LR"(x.exe a\\)", {LR"(a\\)"}},
      {LR"(x.exe \" \\\" \\\\")", {LR"(")", LR"(\")", LR"(\\)"}},
      {LR"(x.exe a\b\\c)", {LR"(a\b\\c)"}},
      {LR"(x.exe "a\\" b)", {LR"(a\)", L"b"}},
      {LR"(x.exe ab"c d"e"" f)", {LR"(abc de)", L"f"}},
  });
}

// The program name is a path: quotes may hold its spaces, and its backslashes are never escapes.
TEST(CommandLineSplitting, TheProgramNameIsSkippedWithoutEscapes) {
  expectSplit({
      {L"", {}},
      {L"Lumarin.exe", {}},
      {LR"("C:\Program Files\Lumarin\Lumarin.exe")", {}},
      {LR"("C:\Program Files\Lumarin\Lumarin.exe" --uninstall)", {L"--uninstall"}},
      {LR"("C:\Program Files\Lumarin.exe"--uninstall x)", {L"--uninstall", L"x"}},
      {LR"(C:\Lumarin\Lumarin.exe --silent-install)", {L"--silent-install"}},
      {LR"(C:\a\"b --uninstall)", {L"--uninstall"}},
      {LR"("C:\dir\" --uninstall)", {L"--uninstall"}},
      {LR"("C:\never closed --uninstall)", {}},
  });
}

TEST(CommandLineSplitting, TheSwitchIsReadFromTheSplitLine) {
  const std::pair<const wchar_t*, StartAction> cases[] = {
      {LR"("C:\Program Files\Lumarin\Lumarin.exe" --uninstall)", StartAction::Uninstall},
      {LR"(Lumarin.exe "--silent-install")", StartAction::SilentInstall},
      {LR"(Lumarin.exe --unin"stall")", StartAction::Uninstall},
      {LR"(Lumarin.exe "--uninstall x")", StartAction::Run},
      {LR"(--uninstall)", StartAction::Run},
      {LR"("--uninstall" x)", StartAction::Run},
  };
  for (const auto& [line, action] : cases) EXPECT_EQ(Lmr::startActionFor(Lmr::argumentsOf(line)), action) << line;
}

}  // namespace
