// The C library's rand as the old stations had it: never seeded, so every program run
// starts from the same state and a list shuffles the same way after each start. One
// generator per program run, owned by the main window and shared by every shuffle.
#pragma once

#include <cstdint>

class CrtRand {
 public:
  // 0 to 32767.
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7fffu);
  }

 private:
  std::uint32_t state_ = 1;
};
