#pragma once
// What the first command-line argument asks of the process.
#include <span>
#include <string>

namespace Lmr {

enum class StartAction {
  Run,            // start the program
  SilentInstall,  // "--silent-install": end at once
  Uninstall,      // "--uninstall": delete the settings key, then end
};

// Only the first argument counts, compared exactly (case-sensitive); anything else starts the
// program. `args` excludes the program name.
StartAction startActionFor(std::span<const std::wstring> args);

}  // namespace Lmr
