// The settings file's bytes as the item reader takes them: UTF-16 text, as
// Notepad's "Unicode" and PowerShell's redirection save it, given as UTF-8
// behind a UTF-8 byte-order mark; any other text passed on as it is.
#pragma once

#include "ByteSource.h"

#include <memory>
#include <string>

namespace velk {

// How much of the file's start decides its form where no mark does.
inline constexpr std::size_t kFormSampleBytes = 512;

// True when `sample`, a file's start without a mark, can only be UTF-16
// little-endian: more than half of its code units have a zero high byte and
// none a zero low byte, which no 8-bit text has.
bool LooksLikeUtf16Le(std::string_view sample);

class DecodedSource final : public ByteSource {
public:
    explicit DecodedSource(std::unique_ptr<ByteSource> raw) : raw_(std::move(raw)) {}

    std::size_t Read(std::span<char> buffer) override;

private:
    enum class Form { Undecided, Bytes, Utf16Le, Utf16Be };

    // Reads the file's start and decides its form by its mark or its bytes.
    void Decide();
    // Decodes what the file holds next into out_; false at its end.
    bool Decode();

    std::unique_ptr<ByteSource> raw_;
    Form form_ = Form::Undecided;
    std::string pending_;  // bytes read from the file and not yet passed on
    std::string out_;      // UTF-8 decoded and not yet passed on
    std::size_t outPos_ = 0;
    bool rawEnded_ = false;
};

}  // namespace velk
