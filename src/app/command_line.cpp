#include "app/command_line.h"

#include <algorithm>
#include <utility>

namespace Lmr {
namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view afterProgramName(std::wstring_view line) {
  if (!line.empty() && line.front() == L'"') {
    const std::size_t closing = line.find(L'"', 1);
    return closing == std::wstring_view::npos ? std::wstring_view{} : line.substr(closing + 1);
  }
  const std::size_t blank = line.find_first_of(L" \t");
  return blank == std::wstring_view::npos ? std::wstring_view{} : line.substr(blank);
}

// Reads one argument from the front of `rest`, which starts on its first character, and leaves
// `rest` just after it.
class ArgumentReader {
 public:
  explicit ArgumentReader(std::wstring_view& rest) : rest_(rest) {}

  std::wstring read() {
    while (!rest_.empty() && (quoted_ || !isBlank(rest_.front()))) {
      if (rest_.front() == L'\\') readBackslashes();
      else if (rest_.front() == L'"') readQuote();
      else takeOne();
    }
    return std::move(argument_);
  }

 private:
  void takeOne() {
    argument_ += rest_.front();
    rest_.remove_prefix(1);
  }

  void readBackslashes() {
    const std::size_t count = std::min(rest_.find_first_not_of(L'\\'), rest_.size());
    const bool beforeQuote = count < rest_.size() && rest_[count] == L'"';
    argument_.append(beforeQuote ? count / 2 : count, L'\\');
    rest_.remove_prefix(count);
    if (beforeQuote && count % 2 == 1) takeOne();  // the escaped quote
  }

  void readQuote() {
    rest_.remove_prefix(1);
    if (quoted_ && !rest_.empty() && rest_.front() == L'"') takeOne();
    else quoted_ = !quoted_;
  }

  std::wstring_view& rest_;
  std::wstring argument_;
  bool quoted_ = false;
};

}  // namespace

std::vector<std::wstring> argumentsOf(std::wstring_view commandLine) {
  std::wstring_view rest = afterProgramName(commandLine);
  std::vector<std::wstring> args;
  for (;;) {
    while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
    if (rest.empty()) return args;
    args.push_back(ArgumentReader(rest).read());
  }
}

StartAction startActionFor(std::span<const std::wstring> args) {
  if (args.empty()) return StartAction::Run;
  if (args.front() == L"--silent-install") return StartAction::SilentInstall;
  if (args.front() == L"--uninstall") return StartAction::Uninstall;
  if (args.front() == L"--tray") return StartAction::Tray;
  if (args.front() == L"--pick") return StartAction::Pick;
  return StartAction::Run;
}

}  // namespace Lmr
