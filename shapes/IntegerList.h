#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

// A growable list of 32-bit integers; holds the painting order of a shape's
// faces for one octant.
class TIntegerList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  std::int32_t operator[](int index) const { return items_[static_cast<std::size_t>(index)]; }
  void Add(std::int32_t value) { items_.push_back(value); }
  // Removes the first entry equal to value; nothing when there is none.
  void Remove(std::int32_t value) {
    auto it = std::find(items_.begin(), items_.end(), value);
    if (it != items_.end()) items_.erase(it);
  }
  // Stores value at index, growing the list with zeros when index lies beyond its end.
  void Put(int index, std::int32_t value) {
    if (static_cast<std::size_t>(index) >= items_.size())
      items_.resize(static_cast<std::size_t>(index) + 1, 0);
    items_[static_cast<std::size_t>(index)] = value;
  }
  void Truncate(int count) {
    if (count >= 0 && static_cast<std::size_t>(count) < items_.size())
      items_.resize(static_cast<std::size_t>(count));
  }
  void Clear() { items_.clear(); }
  std::vector<std::int32_t>::iterator begin() { return items_.begin(); }
  std::vector<std::int32_t>::iterator end() { return items_.end(); }
  std::vector<std::int32_t>::const_iterator begin() const { return items_.begin(); }
  std::vector<std::int32_t>::const_iterator end() const { return items_.end(); }
  friend bool operator==(const TIntegerList& a, const TIntegerList& b) {
    return a.items_ == b.items_;
  }

 private:
  std::vector<std::int32_t> items_;
};
