#pragma once
// Names by which the program, its running instance and its messages are known.
#include <string_view>

namespace Lmr {

inline constexpr std::wstring_view productName = L"Lumarin";
inline constexpr std::wstring_view productVersion = L"1.00.11";
// The maker, shown in the options dialog, and its web pages.
inline constexpr std::wstring_view makerName = L"Huedisk Software";
inline constexpr std::wstring_view makerSite = L"https://www.huedisk.com";
inline constexpr std::wstring_view huediskPageAddress = L"https://www.huedisk.com/Huedisk/";

inline constexpr std::wstring_view singleInstanceMutexName = L"LumarinOneInstanceOnlyPlease";
inline constexpr std::wstring_view mouseLibraryName = L"LumarinMouse.dll";
inline constexpr std::wstring_view mouseLibraryFailure = L"Fatal Error: Could not load LumarinMouse.dll";
inline constexpr std::wstring_view iconFileName = L"app.ico";
inline constexpr std::wstring_view idlePictureFileName = L"default.png";
inline constexpr std::wstring_view settingsNotSaved =
    L"Your settings could not be saved. They apply until Lumarin is closed.";

}  // namespace Lmr
