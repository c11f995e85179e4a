// Rules that the model's lists share: handing out ids, default names and
// reordering by a caller's sequence.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavoro {

// The largest id a list hands out. A file may hold 2147483647 itself; the
// reader then leaves nextId there, which means that no id is left: handing
// it out would need a next id past the largest int32.
inline constexpr int32_t kLastNewId = INT32_MAX - 1;

// Whether a list whose counter stands at nextId can hand out another id.
inline bool hasIdLeft(int32_t nextId) { return nextId <= kLastNewId; }

// Hands out nextId into id and moves the counter on; false, with nothing
// changed, when no id is left.
inline bool takeNextId(int32_t& nextId, int32_t& id) {
  if (!hasIdLeft(nextId)) return false;
  id = nextId++;
  return true;
}

// The base for an empty list, else the base, a blank and the first number
// from count + 1 on that no entry carries exactly.
template <typename List>
std::wstring suggestDefaultName(std::wstring_view base, const List& entries) {
  if (entries.empty()) return std::wstring(base);
  for (size_t n = entries.size() + 1;; ++n) {
    std::wstring candidate = std::wstring(base) + L" " + std::to_wstring(n);
    bool taken = false;
    for (const auto& entry : entries) {
      if (entry->name() == candidate) {
        taken = true;
        break;
      }
    }
    if (!taken) return candidate;
  }
}

// Replaces the order of owned entries by sequence when it names every entry
// exactly once; otherwise leaves them as they are and returns false.
template <typename T>
bool reorderOwned(std::vector<std::unique_ptr<T>>& owned, const std::vector<T*>& sequence) {
  if (sequence.size() != owned.size()) return false;
  std::vector<std::unique_ptr<T>> reordered;
  reordered.reserve(owned.size());
  std::vector<bool> taken(owned.size(), false);
  for (T* wanted : sequence) {
    size_t k = 0;
    while (k < owned.size() && (taken[k] || owned[k].get() != wanted)) ++k;
    if (k == owned.size()) return false;
    taken[k] = true;
  }
  for (T* wanted : sequence) {
    for (auto& entry : owned) {
      if (entry.get() == wanted) {
        reordered.push_back(std::move(entry));
        break;
      }
    }
  }
  owned = std::move(reordered);
  return true;
}

// Takes entry out of owned without destroying it, for a later
// insertOwned at the position stored in *position. Null (owned unchanged)
// when entry is not one of owned.
template <typename T>
std::unique_ptr<T> takeOwned(std::vector<std::unique_ptr<T>>& owned, const T* entry, size_t* position) {
  for (size_t i = 0; i < owned.size(); ++i) {
    if (owned[i].get() != entry) continue;
    std::unique_ptr<T> taken = std::move(owned[i]);
    owned.erase(owned.begin() + static_cast<std::ptrdiff_t>(i));
    if (position) *position = i;
    return taken;
  }
  return nullptr;
}

// Puts entry back at position (at the end when position is past it); the
// entry, or null for none.
template <typename T>
T* insertOwned(std::vector<std::unique_ptr<T>>& owned, std::unique_ptr<T> entry, size_t position) {
  if (!entry) return nullptr;
  T* inserted = entry.get();
  owned.insert(owned.begin() + static_cast<std::ptrdiff_t>(std::min(position, owned.size())), std::move(entry));
  return inserted;
}

}  // namespace tavoro
