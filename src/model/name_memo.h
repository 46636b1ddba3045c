// What a name resolved to, remembered by where the name is stored. The forms'
// field names are constants with one address each, so a reaction's second
// read of a field costs a multiplication and a short compare instead of
// hashing the text again. Each entry keeps its own copy of the text: a name
// in a passing buffer (a script's line, a file's record) that reuses an
// address matches only if its text is the same, and then it names the same
// thing. The owner clears the memo whenever what a name resolves to changes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "model/programming_error.h"

namespace corvane {

template <class T>
class NameMemo {
 public:
  // Names longer than this are looked up every time (no field name is).
  static constexpr size_t kLongestName = 22;

  // The remembered resolution of `name`, or nullptr when there is none.
  const T* find(std::string_view name) const {
    const Entry& entry = entries_[slot(name.data())];
    if (entry.generation != generation_ || entry.address != name.data() ||
        entry.size != name.size() || !sameText(entry.text, name.data(), name.size()))
      return nullptr;
    return &entry.value;
  }

  // An empty name names nothing and has no address of its own: its owner
  // answers it without the memo.
  void remember(std::string_view name, const T& value) {
    if (name.empty()) throw ProgrammingError("an empty name remembered");
    if (name.size() > kLongestName) return;
    Entry& entry = entries_[slot(name.data())];
    entry.generation = generation_;
    entry.address = name.data();
    entry.size = static_cast<unsigned char>(name.size());
    std::memcpy(entry.text, name.data(), name.size());
    entry.value = value;
  }

  // Forgets every entry at once (an entry of an earlier generation never
  // matches), so an owner may clear it after each of many additions.
  void clear() { ++generation_; }

 private:
  static constexpr int kSlotBits = 7;
  // Fibonacci hashing of the address: the constants of one header lie a few
  // bytes apart and spread over the slots.
  static size_t slot(const char* address) {
    const auto bits = reinterpret_cast<std::uintptr_t>(address);
    return static_cast<size_t>((static_cast<std::uint64_t>(bits) * 0x9E3779B97F4A7C15ull) >>
                               (64 - kSlotBits));
  }

  template <class Word>
  static Word load(const char* at) {
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
  }
  // The `size` bytes at `a` and `b` agree. Word loads that overlap at the
  // ends cover any size without a byte loop or a call; both texts hold
  // exactly `size` bytes, so no load reads past either.
  static bool sameText(const char* a, const char* b, size_t size) {
    using std::uint16_t, std::uint32_t, std::uint64_t;
    if (size >= 8) {
      if (load<uint64_t>(a) != load<uint64_t>(b)) return false;
      if (size > 16 && load<uint64_t>(a + 8) != load<uint64_t>(b + 8)) return false;
      return load<uint64_t>(a + size - 8) == load<uint64_t>(b + size - 8);
    }
    if (size >= 4)
      return load<uint32_t>(a) == load<uint32_t>(b) &&
             load<uint32_t>(a + size - 4) == load<uint32_t>(b + size - 4);
    if (size >= 2)
      return load<uint16_t>(a) == load<uint16_t>(b) &&
             load<uint16_t>(a + size - 2) == load<uint16_t>(b + size - 2);
    return size == 0 || *a == *b;
  }

  struct Entry {
    const char* address = nullptr;
    unsigned generation = 0;
    unsigned char size = 0;
    char text[kLongestName] = {};
    T value{};
  };
  std::array<Entry, size_t{1} << kSlotBits> entries_{};
  unsigned generation_ = 1;
};

}  // namespace corvane
