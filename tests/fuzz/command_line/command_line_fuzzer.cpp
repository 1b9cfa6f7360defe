// Any command line the program may be started with. Checked on every input: splitting it never
// crashes or trips a sanitizer; the switch is Uninstall or SilentInstall exactly when the first
// argument is "--uninstall" or "--silent-install"; and any list of arguments, quoted by the same
// documented rules behind either form of program name, splits back into that same list (the
// lists tried are the split line itself and the input cut at each NUL); a line without quotes
// splits at its blanks, backslashes and all.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "fuzz_input.h"

namespace {

using Args = std::vector<std::wstring>;
using Lmr::StartAction;
using Lmr::fuzz::require;

// As it is when that is unambiguous; else in quotes, with the backslashes before each quote
// doubled and one more to escape the quote, and those before the closing quote doubled.
std::wstring quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring line = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    line += c;
    backslashes = 0;
  }
  line.append(2 * backslashes, L'\\');
  return line + L'"';
}

std::wstring commandLineOf(std::wstring programName, const Args& args) {
  for (const auto& argument : args) programName += L' ' + quoted(argument);
  return programName;
}

Args cutAtNuls(const std::wstring& text) {
  Args pieces;
  if (text.empty()) return pieces;
  for (std::size_t start = 0;;) {
    const std::size_t nul = text.find(L'\0', start);
    pieces.push_back(text.substr(start, nul - start));
    if (nul == std::wstring::npos) return pieces;
    start = nul + 1;
  }
}

Args wordsAfterTheFirst(const std::wstring& line) {
  Args words;
  for (std::size_t start = line.find_first_of(L" \t"); start != std::wstring::npos;) {
    start = line.find_first_not_of(L" \t", start);
    if (start == std::wstring::npos) break;
    const std::size_t end = line.find_first_of(L" \t", start);
    words.push_back(line.substr(start, end - start));
    start = end;
  }
  return words;
}

void requireSwitchOfFirstArgument(const Args& args) {
  const StartAction action = Lmr::startActionFor(args);
  require((action == StartAction::Uninstall) == (!args.empty() && args[0] == L"--uninstall"));
  require((action == StartAction::SilentInstall) == (!args.empty() && args[0] == L"--silent-install"));
  require((action == StartAction::Tray) == (!args.empty() && args[0] == L"--tray"));
  require((action == StartAction::Pick) == (!args.empty() && args[0] == L"--pick"));
}

void requireSplitsBack(const Args& args) {
  for (const wchar_t* programName : {LR"("C:\Program Files\Lumarin\Lumarin.exe")", L"Lumarin.exe"})
    require(Lmr::argumentsOf(commandLineOf(programName, args)) == args);
  requireSwitchOfFirstArgument(args);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = Lmr::fuzz::wideTextFrom(data, size);
  const Args args = Lmr::argumentsOf(text);
  requireSwitchOfFirstArgument(args);
  requireSplitsBack(args);
  requireSplitsBack(cutAtNuls(text));
  if (text.find(L'"') == std::wstring::npos) require(args == wordsAfterTheFirst(text));
  return 0;
}
