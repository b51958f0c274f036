// Include in one fuzz target only: it replaces the global operator new.
//
// A run allocates and frees its table blocks (a few hundred kilobytes each)
// every time; under AddressSanitizer each is a fresh mapping, and mapping,
// faulting in and unmapping them costs more than the run. Freed large blocks
// are kept here for the next request of the same size instead, poisoned
// while kept, so that a use after free is still caught.
#pragma once

#include <sanitizer/asan_interface.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace halvane {

class LargeBlockCache {
 public:
  static constexpr std::size_t kLarge = 64 * 1024;

  static LargeBlockCache& Instance() {
    static LargeBlockCache cache;
    return cache;
  }

  void* Take(std::size_t size) {
    void* block = nullptr;
    for (Slot& slot : kept_) {
      if (slot.Block != nullptr && slot.Size == size) {
        block = slot.Block;
        slot.Block = nullptr;
        ASAN_UNPOISON_MEMORY_REGION(block, size);
        break;
      }
    }
    if (block == nullptr) block = std::malloc(size);
    if (block != nullptr) Put(lent_, block, size);
    return block;
  }

  // False when `block` did not come from Take.
  bool Give(void* block) {
    for (Slot& slot : lent_) {
      if (slot.Block != block) continue;
      slot.Block = nullptr;
      if (Put(kept_, block, slot.Size)) {
        ASAN_POISON_MEMORY_REGION(block, slot.Size);
      } else {
        std::free(block);
      }
      return true;
    }
    return false;
  }

 private:
  struct Slot {
    void* Block;
    std::size_t Size;
  };
  using Slots = std::array<Slot, 32>;

  static bool Put(Slots& slots, void* block, std::size_t size) {
    for (Slot& slot : slots) {
      if (slot.Block == nullptr) {
        slot = {block, size};
        return true;
      }
    }
    return false;
  }

  Slots lent_{};  // a block lent and not tracked is freed as any other
  Slots kept_{};
};

}  // namespace halvane

void* operator new(std::size_t size) {
  void* block = size >= halvane::LargeBlockCache::kLarge
                    ? halvane::LargeBlockCache::Instance().Take(size)
                    : std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept {
  if (block != nullptr && !halvane::LargeBlockCache::Instance().Give(block))
    std::free(block);
}
void operator delete[](void* block) noexcept { operator delete(block); }
void operator delete(void* block, std::size_t) noexcept {
  operator delete(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  operator delete(block);
}

// Code built apart (libFuzzer's own) keeps the sanitizer's operator new, whose
// blocks this program's operator delete frees.
extern "C" const char* __asan_default_options() {
  return "alloc_dealloc_mismatch=0";
}
