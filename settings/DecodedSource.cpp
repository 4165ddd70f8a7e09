#include "DecodedSource.h"

#include "TextCodec.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace velk {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";

std::size_t Take(std::string_view from, std::span<char> to) {
    const std::size_t n = std::min(from.size(), to.size());
    std::memcpy(to.data(), from.data(), n);
    return n;
}

}  // namespace

bool LooksLikeUtf16Le(std::string_view sample) {
    const std::size_t units = sample.size() / 2;
    std::size_t zeroHigh = 0;
    for (std::size_t i = 0; i < units; ++i) {
        if (sample[2 * i] == '\0') return false;
        if (sample[2 * i + 1] == '\0') ++zeroHigh;
    }
    return zeroHigh * 2 > units;
}

void DecodedSource::Decide() {
    std::array<char, kFormSampleBytes> chunk{};
    while (pending_.size() < kFormSampleBytes) {
        const std::size_t got = raw_->Read(std::span(chunk).first(kFormSampleBytes - pending_.size()));
        if (got == 0) {
            rawEnded_ = true;
            break;
        }
        pending_.append(chunk.data(), got);
    }
    if (pending_.starts_with("\xFF\xFE")) {
        form_ = Form::Utf16Le;
        pending_.erase(0, 2);
    } else if (pending_.starts_with("\xFE\xFF")) {
        form_ = Form::Utf16Be;
        pending_.erase(0, 2);
    } else {
        form_ = LooksLikeUtf16Le(pending_) ? Form::Utf16Le : Form::Bytes;
    }
    // The item reader reads text behind a UTF-8 mark as UTF-8 throughout.
    if (form_ != Form::Bytes) out_ = kUtf8Mark;
}

bool DecodedSource::Decode() {
    if (!rawEnded_) {
        std::array<char, 8192> chunk{};
        const std::size_t got = raw_->Read(chunk);
        if (got == 0) rawEnded_ = true;
        pending_.append(chunk.data(), got);
    }
    if (rawEnded_ && pending_.empty()) return false;
    const auto byte = [this](std::size_t i) { return static_cast<char16_t>(static_cast<unsigned char>(pending_[i])); };
    std::u16string units;
    for (std::size_t i = 0; i + 1 < pending_.size(); i += 2) {
        units.push_back(form_ == Form::Utf16Le ? static_cast<char16_t>(byte(i) | byte(i + 1) << 8)
                                               : static_cast<char16_t>(byte(i) << 8 | byte(i + 1)));
    }
    // A pair split over two reads waits for its second half.
    std::size_t used = units.size() * 2;
    if (!rawEnded_ && !units.empty() && units.back() >= 0xD800 && units.back() <= 0xDBFF) {
        units.pop_back();
        used -= 2;
    }
    out_ = Utf16ToUtf8(units);
    outPos_ = 0;
    pending_.erase(0, used);
    if (rawEnded_ && !pending_.empty()) {  // half a code unit at the end
        out_ += kUtf8Replacement;
        pending_.clear();
    }
    return true;
}

std::size_t DecodedSource::Read(std::span<char> buffer) {
    if (form_ == Form::Undecided) Decide();
    if (form_ == Form::Bytes) {
        if (pending_.empty()) return rawEnded_ ? 0 : raw_->Read(buffer);
        const std::size_t n = Take(pending_, buffer);
        pending_.erase(0, n);
        return n;
    }
    while (outPos_ == out_.size()) {
        if (!Decode()) return 0;
    }
    const std::size_t n = Take(std::string_view(out_).substr(outPos_), buffer);
    outPos_ += n;
    return n;
}

}  // namespace velk
