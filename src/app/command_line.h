#pragma once
// The command line: its arguments, and what the first of them asks of the process.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Lmr {

enum class StartAction {
  Run,            // start the program
  SilentInstall,  // "--silent-install": end at once
  Uninstall,      // "--uninstall": delete the settings key, then end
  Tray,           // "--tray": start as usual with the main window hidden, reached through the tray
  Pick,           // "--pick": pick mode, in the running program or, with none, once this one has loaded
};

// The arguments after the program name. The program name is a path and takes no escapes: it runs
// to the next quote when it starts with one, else to the first space or tab, as CommandLineToArgvW
// reads it. The arguments follow the Microsoft C runtime's documented argv rules ("Parsing C
// command-line arguments"): spaces and tabs separate them; quotes group and are dropped; inside
// quotes "" is a literal quote and the quoting goes on; 2n backslashes before a quote give n
// backslashes and the quote groups, 2n+1 give n backslashes and a literal quote; other backslashes
// are literal; a quote left open runs to the end of the line.
std::vector<std::wstring> argumentsOf(std::wstring_view commandLine);

// Only the first argument counts, compared exactly (case-sensitive); anything else starts the
// program. `args` excludes the program name.
StartAction startActionFor(std::span<const std::wstring> args);

}  // namespace Lmr
