// A stream of bytes read from its start, as the item reader takes it: a
// file, or in tests and the fuzzer a buffer.
#pragma once

#include <cstddef>
#include <span>

namespace velk {

class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Fills the front of `buffer` and returns how many bytes it wrote; 0 means
    // end of file. Throws FileProblemError (FileReading.h) when the read fails.
    virtual std::size_t Read(std::span<char> buffer) = 0;
};

}  // namespace velk
