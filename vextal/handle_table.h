// Numbered things handed out to the caller: objects, fonts and bitmaps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>

namespace vextal {

// Owns values under handles 1, 2, 3, ...; a handle is never given out twice
// during the table's life, so a stale handle can never reach a newer value.
template <class T>
class HandleTable {
 public:
  explicit HandleTable(int32_t first = 1) : next_(first < 1 ? 1 : first) {}

  // The handle the next Add gives out.
  int32_t NextHandle() const { return next_; }

  // Takes the value; returns its handle, or 0 when the numbers are used up.
  int32_t Add(T value) {
    if (next_ == INT32_MAX) return 0;
    const int32_t handle = next_++;
    items_.emplace(handle, std::move(value));
    return handle;
  }

  T* Find(int32_t handle) {
    auto it = items_.find(handle);
    return it == items_.end() ? nullptr : &it->second;
  }

  // Removes the value and hands it back; false when the handle is unknown.
  bool Take(int32_t handle, T& out) {
    auto it = items_.find(handle);
    if (it == items_.end()) return false;
    out = std::move(it->second);
    items_.erase(it);
    return true;
  }

  bool Remove(int32_t handle) { return items_.erase(handle) != 0; }
  void Clear() { items_.clear(); }
  size_t Size() const { return items_.size(); }

  // In order of creation.
  template <class F>
  void ForEach(F&& f) {
    for (auto& [handle, value] : items_) f(handle, value);
  }

 private:
  std::map<int32_t, T> items_;
  int32_t next_;
};

// The companion value of a bitmap handle. Calls that pass both are checked
// against it, so a handle number alone does not reach a bitmap by chance.
constexpr int32_t CompanionOf(int32_t handle) {
  uint32_t v = static_cast<uint32_t>(handle) * 2654435761u;  // Knuth's multiplicative hash
  v ^= v >> 15;
  return static_cast<int32_t>(v | 0x40000000u);
}

}  // namespace vextal
