#pragma once
// Reading a settings value as the registry hands it over: its type code and its bytes.
#include <cstdint>
#include <span>

#include "ports/settings_port.h"

namespace Lmr {

// The registry's type codes, by their Windows names.
namespace StoredType {
inline constexpr std::uint32_t text = 1;            // REG_SZ
inline constexpr std::uint32_t expandableText = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t binary = 3;          // REG_BINARY
inline constexpr std::uint32_t dword = 4;           // REG_DWORD, little-endian
inline constexpr std::uint32_t dwordBigEndian = 5;  // REG_DWORD_BIG_ENDIAN
inline constexpr std::uint32_t multiText = 7;       // REG_MULTI_SZ
inline constexpr std::uint32_t qword = 11;          // REG_QWORD, little-endian
}  // namespace StoredType

// A little-endian DWORD of exactly 4 bytes or QWORD of exactly 8 is a number. A text (REG_SZ,
// REG_EXPAND_SZ) is UTF-16LE read up to its first NUL, as the Windows string functions read it,
// or to its end when it has none; an odd last byte is half a character and is dropped. Anything
// else, however it is typed, is Kind::Other. Never reads outside `bytes`.
StoredValue storedValueFrom(std::uint32_t type, std::span<const std::uint8_t> bytes);

}  // namespace Lmr
