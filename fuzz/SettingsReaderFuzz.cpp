// Any bytes as a settings file, read as the load (four items) and the click
// (two items) read it: never a crash, a hang or a leak, and both readers
// agree on the items they share.
#include "ItemReader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
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

std::vector<std::wstring> ReadItems(const std::uint8_t* data, std::size_t size, std::size_t chunk, int count) {
    MemorySource source(data, size, chunk);
    velk::ItemReader reader(source);
    std::vector<std::wstring> items;
    while (static_cast<int>(items.size()) < count) {
        auto item = reader.Next();
        if (!item) break;
        items.push_back(std::move(*item));
    }
    return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto load = ReadItems(data, size, 4096, 4);
    // The click reads in small pieces, so that item boundaries fall across reads.
    const auto click = ReadItems(data, size, 1 + size % 7, 2);
    const std::size_t shared = std::min<std::size_t>(load.size(), 2);
    if (click.size() != shared || !std::equal(click.begin(), click.end(), load.begin())) __builtin_trap();
    return 0;
}
