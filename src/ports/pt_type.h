#pragma once
// The record the mouse monitor library shares with the program: the pick point, gathered wheel
// steps and a click flag. Both sides read and write each field whole (see the helpers below), so
// the monitor's thread and the window's thread never see a torn value.
#include <atomic>
#include <cstddef>
#include <cstdint>

struct pt_type {
  std::int32_t x;
  std::int32_t y;
  std::int32_t wheel_delta;
  std::uint8_t clicked;
  std::uint8_t reserved;
  std::uint8_t padding[2];
};

static_assert(sizeof(pt_type) == 16, "pt_type is a 16-byte record");
static_assert(offsetof(pt_type, x) == 0);
static_assert(offsetof(pt_type, y) == 4);
static_assert(offsetof(pt_type, wheel_delta) == 8);
static_assert(offsetof(pt_type, clicked) == 12);
static_assert(offsetof(pt_type, reserved) == 13);

namespace Lmr {

// Whole-field access to a pt_type shared with another thread.
template <class T> T loadField(T& field) {
  return std::atomic_ref<T>(field).load(std::memory_order_relaxed);
}
template <class T> void storeField(T& field, T value) {
  std::atomic_ref<T>(field).store(value, std::memory_order_relaxed);
}
// Replaces the field's value only if it still holds `expected`: a change the other thread made
// meanwhile wins.
template <class T> void replaceFieldIfStill(T& field, T expected, T value) {
  std::atomic_ref<T>(field).compare_exchange_strong(expected, value, std::memory_order_relaxed);
}
inline std::int32_t addWheelSteps(pt_type& record, std::int32_t steps) {
  return std::atomic_ref<std::int32_t>(record.wheel_delta).fetch_add(steps, std::memory_order_relaxed);
}
// Takes the gathered wheel steps and leaves 0, in one step, so no step added meanwhile is lost.
inline std::int32_t takeWheelSteps(pt_type& record) {
  return std::atomic_ref<std::int32_t>(record.wheel_delta).exchange(0, std::memory_order_relaxed);
}

}  // namespace Lmr
