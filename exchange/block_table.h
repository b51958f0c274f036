// A growable table that allocates in whole blocks of 1000 elements. Elements
// never move once appended, so a million appends cost a thousand allocations
// and no copying. Capacity() reports 1000, 2000, ... as the blocks are added.
#pragma once

#include <cstddef>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace halvane {

template <class T>
class BlockTable {
 public:
  static constexpr std::size_t kBlock = 1000;

  BlockTable() = default;
  BlockTable(const BlockTable&) = delete;
  BlockTable& operator=(const BlockTable&) = delete;
  ~BlockTable() { Clear(); }

  // Appends `value` (by default a value-initialised, zero-filled element)
  // and returns it; it is written while its cache line is hot. Throws
  // std::bad_alloc when memory runs out; the table is unchanged then.
  T& Append(T value = T{}) {
    ReserveNext();
    T* slot = blocks_[count_ / kBlock].get() + count_ % kBlock;
    std::construct_at(slot, std::move(value));
    ++count_;
    return *slot;
  }

  // Makes sure the next Append() allocates nothing and cannot throw, so that
  // two tables can be appended to together or not at all.
  void ReserveNext() {
    if (count_ == blocks_.size() * kBlock) {
      blocks_.reserve(blocks_.size() + 1);
      blocks_.emplace_back(std::allocator<T>().allocate(kBlock));
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
    if constexpr (!std::is_trivially_destructible_v<T>) {
      for (std::size_t i = 0; i < count_; ++i) std::destroy_at(&(*this)[i]);
    }
    blocks_.clear();
    blocks_.shrink_to_fit();
    count_ = 0;
  }

 private:
  // A block's elements come to life one by one as they are appended, so a
  // new block costs no constructor calls and no pages that are never used.
  struct FreeBlock {
    void operator()(T* block) const {
      std::allocator<T>().deallocate(block, kBlock);
    }
  };
  std::vector<std::unique_ptr<T[], FreeBlock>> blocks_;
  std::size_t count_ = 0;
};

}  // namespace halvane
