// Starts a program with the signed-in user's own limited rights, as the shell does beside an
// elevated program of the same administrator: with the token linked to this process's elevated
// one. Returns at once; exit code 0 when the program started.
//   limited_start.exe PROGRAM [ARGUMENTS]
#include <windows.h>

#include <cwchar>

namespace {

// The command line after this program's own name (a quoted or a plain first word).
wchar_t* restOfCommandLine() {
  wchar_t* line = GetCommandLineW();
  if (*line == L'"') {
    line = std::wcschr(line + 1, L'"');
    line = line ? line + 1 : line + std::wcslen(line);
  } else {
    while (*line && *line != L' ' && *line != L'\t') ++line;
  }
  while (*line == L' ' || *line == L'\t') ++line;
  return line;
}

HANDLE limitedToken() {
  HANDLE own = nullptr, primary = nullptr;
  TOKEN_LINKED_TOKEN linked{};
  DWORD size = 0;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own)) return nullptr;
  if (GetTokenInformation(own, TokenLinkedToken, &linked, sizeof linked, &size)) {
    DuplicateTokenEx(linked.LinkedToken, MAXIMUM_ALLOWED, nullptr, SecurityImpersonation, TokenPrimary, &primary);
    CloseHandle(linked.LinkedToken);
  }
  CloseHandle(own);
  return primary;
}

}  // namespace

int wmain() {
  HANDLE token = limitedToken();
  if (!token) return 1;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  const BOOL ok = CreateProcessAsUserW(token, nullptr, restOfCommandLine(), nullptr, nullptr, FALSE, 0, nullptr,
                                       nullptr, &startup, &started);
  CloseHandle(token);
  if (!ok) return 2;
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return 0;
}
