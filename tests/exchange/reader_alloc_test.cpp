// Runs the reader with the allocation number N failing, for every N, through
// a replaced global operator new that is inert unless armed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <random>
#include <string>

#include "reader_test_support.h"

namespace {

long g_allocationsLeft = -1;  // negative: never fail
long g_allocations = 0;

void* Allocate(std::size_t size) {
  if (g_allocationsLeft == 0) throw std::bad_alloc();
  if (g_allocationsLeft > 0) --g_allocationsLeft;
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}

namespace halvane {
namespace {

namespace fs = std::filesystem;

std::size_t OrderedOfKind(const ExchangeData& d, int32_t kind) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < d.EntityOrder.Count(); ++i) {
    if (d.EntityOrder[i].Kind == kind) ++n;
  }
  return n;
}

class ReaderAllocationTest : public ReaderTest {};

TEST_F(ReaderAllocationTest, FailedAllocationEndsTheReadKeepingWhatWasStored) {
  const fs::path path =
      fs::temp_directory_path() /
      ("halvane_reader_alloc_" + std::to_string(std::random_device{}()));
  {
    std::ofstream out(path, std::ios::binary);
    out << "file=" << std::string(300, 'p') << "\r\n";
    for (int i = 0; i < 2600; ++i) {
      out << i << " 0 1 1\r\n";
      if (i % 200 == 0)
        out << "ch 0 0 1 0 \"" << std::string(40, 't') << "\r\n";
      if (i % 2 == 0) out << "ci " << i << " 1 1\r\n";
    }
  }
  ASSERT_TRUE(ReadFromFile(path.native()));
  g_allocations = 0;
  ASSERT_TRUE(ReadFromFile(path.native()));
  const long total = g_allocations;
  ASSERT_GT(total, 10);

  for (long failAt = 0; failAt <= total; ++failAt) {
    g_allocationsLeft = failAt;
    const bool ok = ReadFromFile(path.native());
    g_allocationsLeft = -1;
    const ExchangeData& d = data_;
    EXPECT_EQ(ok, failAt == total) << failAt;
    EXPECT_EQ(d.EntityOrder.Count(),
              d.Lines.Count() + d.Texts.Count() + d.Circles.Count());
    EXPECT_EQ(OrderedOfKind(d, kKindLine), d.Lines.Count());
    EXPECT_EQ(OrderedOfKind(d, kKindText), d.Texts.Count());
    for (std::size_t i = 0; i < d.Lines.Count(); ++i) {
      ASSERT_EQ(d.Lines[i].X1, static_cast<double>(i)) << failAt;
    }
    for (std::size_t i = 0; i < d.Texts.Count(); ++i) {
      ASSERT_EQ(d.Texts[i].Text, std::string(40, 't')) << failAt;
    }
  }
  fs::remove(path);
}

}  // namespace
}  // namespace halvane
