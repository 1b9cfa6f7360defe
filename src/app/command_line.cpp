#include "app/command_line.h"

namespace Lmr {

StartAction startActionFor(std::span<const std::wstring> args) {
  if (args.empty()) return StartAction::Run;
  if (args.front() == L"--silent-install") return StartAction::SilentInstall;
  if (args.front() == L"--uninstall") return StartAction::Uninstall;
  return StartAction::Run;
}

}  // namespace Lmr
