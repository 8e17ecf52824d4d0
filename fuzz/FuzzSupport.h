#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// The readers that take a path, not bytes: the input is written to a file of this process's
// own in /dev/shm (or the temp folder) and its path returned. Rewritten on every call.
QString InputFile(const uint8_t* data, size_t size, const char* suffix);

}  // namespace fuzz
