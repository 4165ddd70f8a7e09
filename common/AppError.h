// The error that ends the application: raised where the starter cannot go on
// (settings file, client start) and reported once, at the edge of the event
// that raised it, by the front end.
#pragma once

#include <exception>
#include <string>

namespace velk {

class AppError : public std::exception {
public:
    explicit AppError(std::wstring message);

    // The text shown to the user.
    const std::wstring& Message() const noexcept { return message_; }

    // The same text as UTF-8, for logs and test output.
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::wstring message_;
    std::string utf8_;
};

}  // namespace velk
