// Under Wine only (8.0, Debian 12's): starting a program whose full path is
// longer than MAX_PATH. Wine's CreateProcessW turns the application name
// back into its long form in a MAX_PATH buffer and, where that form does not
// fit, goes on with whatever the buffer held before: the start then fails
// with "file not found", or not, by what earlier calls left on the stack. A
// name relative to the current folder keeps its long form short, so there the
// program is started by its file name from its folder, made the current one
// for the call. Windows itself takes the short path as it is.
#pragma once

#include <string>

namespace velk {

class WineDeepStart {
public:
    // `shortFolder` is the folder of the program's short path (so that it and
    // the file name fit MAX_PATH); `deep` whether the long path reaches it.
    WineDeepStart(const std::wstring& shortFolder, bool deep);
    ~WineDeepStart();
    WineDeepStart(const WineDeepStart&) = delete;
    WineDeepStart& operator=(const WineDeepStart&) = delete;

    // The application name to hand CreateProcessW for `program`, the
    // program's path in its short form.
    std::wstring ApplicationName(const std::wstring& program) const;

private:
    std::wstring restore_;  // the current folder before, while it is changed
};

}  // namespace velk
