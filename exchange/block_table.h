// A growable table that allocates in whole blocks of 1000 elements. Elements
// never move once appended, so a million appends cost a thousand allocations
// and no copying. Capacity() reports 1000, 2000, ... as the blocks are added.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace halvane {

template <class T>
class BlockTable {
 public:
  static constexpr std::size_t kBlock = 1000;

  // Appends `value` (by default a value-initialised, zero-filled element)
  // and returns it; it is written while its cache line is hot. Throws
  // std::bad_alloc when memory runs out; the table is unchanged then.
  T& Append(T value = T{}) {
    ReserveNext();
    T& slot = blocks_[count_ / kBlock][count_ % kBlock];
    slot = std::move(value);
    ++count_;
    return slot;
  }

  // Makes sure the next Append() allocates nothing and cannot throw, so that
  // two tables can be appended to together or not at all.
  void ReserveNext() {
    if (count_ == blocks_.size() * kBlock) {
      blocks_.reserve(blocks_.size() + 1);
      blocks_.push_back(std::make_unique_for_overwrite<T[]>(kBlock));
    }
  }

  std::size_t Count() const { return count_; }
  std::size_t Capacity() const { return blocks_.size() * kBlock; }
  T& operator[](std::size_t i) { return blocks_[i / kBlock][i % kBlock]; }
  const T& operator[](std::size_t i) const {
    return blocks_[i / kBlock][i % kBlock];
  }

  // Drops every element and releases the storage.
  void Clear() {
    blocks_.clear();
    blocks_.shrink_to_fit();
    count_ = 0;
  }

 private:
  std::vector<std::unique_ptr<T[]>> blocks_;
  std::size_t count_ = 0;
};

}  // namespace halvane
