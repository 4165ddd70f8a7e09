// A file system path as the platform spells it (wide text on Windows, bytes
// elsewhere), with the one operation the starter needs: a file name joined
// to a folder. It stands in for std::filesystem::path in the starter itself,
// whose Windows library would bring hundreds of kilobytes of locale code with
// it; callers that hold a std::filesystem::path pass it as it is.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

namespace velk {

class Path {
public:
    using String = std::filesystem::path::string_type;
    static constexpr auto kSeparator = std::filesystem::path::preferred_separator;

    Path() = default;
    explicit Path(String native) : native_(std::move(native)) {}
    // NOLINTNEXTLINE(google-explicit-constructor): a std::filesystem::path is a path
    Path(const std::filesystem::path& path) : native_(path.native()) {}

    const String& Native() const noexcept { return native_; }
    const String::value_type* c_str() const noexcept { return native_.c_str(); }

    // `name` (plain ASCII, such as "config.ini") inside this folder.
    Path Join(std::string_view name) const {
        String joined = native_;
        if (!joined.empty() && joined.back() != kSeparator && joined.back() != '/') joined += kSeparator;
        for (const char c : name) joined += static_cast<String::value_type>(c);
        return Path(std::move(joined));
    }

    bool operator==(const Path&) const = default;

private:
    String native_;
};

}  // namespace velk
