#pragma once
// The files that must stand beside the program, in the order they are checked.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace Lmr {

inline constexpr std::array<std::wstring_view, 4> requiredFiles{
    L"app.ico", L"default.png", L"crosshair.png", L"LumarinMouse.dll"};

// The first required file that `exists` reports missing; later ones are not looked at.
std::optional<std::wstring_view> firstMissingFile(const std::function<bool(std::wstring_view)>& exists);

std::wstring missingFileMessage(std::wstring_view fileName);

}  // namespace Lmr
