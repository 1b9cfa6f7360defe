#pragma once
// The folder the program file lives in, and paths inside it.
#include <string>
#include <string_view>

namespace Lmr::win32 {

std::wstring programFolder();
std::wstring pathInProgramFolder(std::wstring_view fileName);

}  // namespace Lmr::win32
