// Any bytes as a settings file, UTF-16 among them: never a crash, a hang or a leak, and the
// streaming reader gives the same items (or stops at the same item past the
// limit) as the plain whole-buffer parser, whatever the size of its reads,
// at the real item limit and at one small enough for inputs to cross it.
#include "DecodedSource.h"
#include "ItemReader.h"
#include "PlainItemParser.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

class MemorySource final : public velk::ByteSource {
public:
    MemorySource(const std::uint8_t* data, std::size_t size, std::size_t chunk)
        : data_(data), size_(size), chunk_(chunk) {}
    std::size_t Read(std::span<char> buffer) override {
        const std::size_t n = std::min({buffer.size(), chunk_, size_ - pos_});
        if (n > 0) std::memcpy(buffer.data(), data_ + pos_, n);
        pos_ += n;
        return n;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t chunk_;
    std::size_t pos_ = 0;
};

velk::fuzz::PlainItems ReadStreaming(const std::uint8_t* data, std::size_t size, std::size_t chunk,
                                     std::size_t maxItemBytes) {
    velk::DecodedSource source(std::make_unique<MemorySource>(data, size, chunk));
    velk::ItemReader reader(source, maxItemBytes);
    velk::fuzz::PlainItems result;
    try {
        while (auto item = reader.Next()) result.items.push_back(std::move(*item));
    } catch (const velk::ItemTooLongError& error) {
        result.tooLong = error.Item();
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    for (const std::size_t limit : {velk::kMaxItemBytes, 1 + size % 23}) {
        const auto expected = velk::fuzz::ParsePlainly(velk::fuzz::DecodePlainly(file), limit);
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{1} + size % 7, std::size_t{8192}}) {
            const auto got = ReadStreaming(data, size, chunk, limit);
            if (got.items != expected.items || got.tooLong != expected.tooLong) __builtin_trap();
        }
    }
    return 0;
}
