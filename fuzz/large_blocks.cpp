// Large heap blocks kept for reuse in the fuzz targets (linked into each).
//
// Under AddressSanitizer every block above 128 KiB is a fresh mapping of zeroed
// pages, unmapped again when it leaves the quarantine. A project file is about
// 270 KB, so every input cost at least two such blocks (libFuzzer's copy of the
// input and the loader's scratch records), and their page faults took most of
// the time of an input and kept parallel workers from scaling. The global
// operator new below takes blocks of 64 KiB and more from malloc once, keeps them
// when they are deleted and hands them out again, so their pages stay mapped.
//
// The sanitizer still sees misuse of them: a guard area before the block and
// every byte past the size asked for are poisoned, so an overflow stops the run
// (reported as a use-after-poison), a deleted block stays poisoned until
// kQuarantine more blocks of its size have been deleted after it, deleting it
// twice aborts, and it is cleared when deleted, so that a leak whose last
// pointer lay in it is still reported. Everything
// else goes to malloc and free, checked as usual; aligned new and delete are
// left to the sanitizer's own.
#include <sanitizer/allocator_interface.h>
#include <sanitizer/asan_interface.h>

#include <bit>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

namespace {

constexpr std::size_t kLargeBlock = std::size_t(1) << 16;
constexpr std::size_t kGuard = 4096;  // before each block; holds its header
constexpr int kMinClassLog = 17;      // smallest capacity, guard included
constexpr int kClasses = 10;          // capacities up to 64 MiB; larger ones are not kept
constexpr int kSlots = 64;            // deleted blocks kept per class
constexpr int kQuarantine = 4;

struct FreeList {
  void* base[kSlots];
  int first;
  int count;
};

std::mutex gLock;
FreeList gFree[kClasses];

// What the guard area before a kept block holds. The guard is poisoned, so it
// is read and written unchecked.
struct Header {
  int cls;
  std::size_t size;  // asked for when handed out
};

__attribute__((no_sanitize("address"))) void WriteHeader(void* base, const Header& header) {
  *static_cast<Header*>(base) = header;
}
__attribute__((no_sanitize("address"))) Header ReadHeader(const void* base) {
  return *static_cast<const Header*>(base);
}

void* Allocate(std::size_t size) {
  if (size >= kLargeBlock && size <= (std::size_t(1) << (kMinClassLog + kClasses - 1)) - kGuard) {
    const int cls = std::bit_width(size + kGuard - 1) - kMinClassLog;
    const std::size_t capacity = std::size_t(1) << (kMinClassLog + cls);
    void* base = nullptr;
    {
      std::lock_guard<std::mutex> lock(gLock);
      FreeList& list = gFree[cls];
      if (list.count > kQuarantine) {
        base = list.base[list.first];
        list.first = (list.first + 1) % kSlots;
        --list.count;
      }
    }
    if (base == nullptr) {
      base = std::malloc(capacity);
      if (base == nullptr) return nullptr;
      ASAN_POISON_MEMORY_REGION(base, capacity);
    }
    WriteHeader(base, Header{cls, size});
    char* user = static_cast<char*>(base) + kGuard;
    ASAN_UNPOISON_MEMORY_REGION(user, size);
    return user;
  }
  return std::malloc(size == 0 ? 1 : size);
}

void Release(void* p) noexcept {
  if (p == nullptr) return;
  // Blocks from malloc start where malloc's allocation starts; a kept block
  // starts past its guard, inside one.
  if (__sanitizer_get_ownership(p)) {
    std::free(p);
    return;
  }
  void* base = static_cast<char*>(p) - kGuard;
  const Header header = __sanitizer_get_ownership(base) ? ReadHeader(base) : Header{-1, 0};
  const int cls = header.cls;
  if (cls < 0 || cls >= kClasses || __asan_address_is_poisoned(p)) {
    std::fprintf(stderr, "large_blocks: delete of %p, which is not a live block\n", p);
    std::abort();
  }
  // Cleared so that the leak checker, which scans kept blocks, finds no stale
  // pointers in them.
  std::memset(p, 0, header.size);
  ASAN_POISON_MEMORY_REGION(base, std::size_t(1) << (kMinClassLog + cls));
  {
    std::lock_guard<std::mutex> lock(gLock);
    FreeList& list = gFree[cls];
    if (list.count < kSlots) {
      list.base[(list.first + list.count) % kSlots] = base;
      ++list.count;
      return;
    }
  }
  std::free(base);
}

void* AllocateOrThrow(std::size_t size) {
  void* p = Allocate(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

}  // namespace

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
