// The settings file "config.ini" in the application folder: where it is and
// the two ways it is read. Nothing is cached: every read opens it afresh.
#pragma once

#include "ByteSource.h"
#include "Path.h"

#include <memory>
#include <string>

namespace velk {

struct ServerSettings {
    std::wstring host;
    std::wstring port;
    std::wstring title;
    std::wstring news;
};

Path SettingsFilePath(const Path& applicationFolder);

// Reads the four items and closes the file before it returns. Throws AppError
// naming the file and the reason.
ServerSettings ReadSettingsForLoad(const Path& applicationFolder);

// Host and port, read for one press of "Start". The file stays open as long
// as this object lives, so that the press holds it until its work is done.
class PressSettings {
public:
    PressSettings(std::unique_ptr<ByteSource> file, std::wstring host, std::wstring port)
        : file_(std::move(file)), host_(std::move(host)), port_(std::move(port)) {}

    const std::wstring& Host() const noexcept { return host_; }
    const std::wstring& Port() const noexcept { return port_; }

private:
    std::unique_ptr<ByteSource> file_;
    std::wstring host_;
    std::wstring port_;
};

// Reads the first two items. Throws AppError naming the file and the reason.
PressSettings ReadSettingsForPress(const Path& applicationFolder);

}  // namespace velk
