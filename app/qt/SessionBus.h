// The desktop session's message bus, as far as the starter needs to know it
// before Qt uses it: a bus that accepts connections and never answers would
// hold Qt's accessibility bridge, and so the starter, before it greets
// anyone, for good.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace velk::qt {

// A Unix socket named in a bus address ("unix:path=..." or
// "unix:abstract=..."): its path, with a leading NUL for an abstract one.
// The first Unix entry of a ';'-separated list; none if there is none.
std::optional<std::string> UnixSocketOfBusAddress(std::string_view address);

enum class BusAnswer { Answers, Silent, Unknown };

// Connects to the bus at `address` and asks to authenticate: Answers when a
// reply comes within `deadline`, Silent when the bus takes the connection
// and says nothing, Unknown when it cannot be told (no Unix socket in the
// address, or the connection refused at once, which Qt meets at once too).
BusAnswer AskSessionBus(std::string_view address, std::chrono::milliseconds deadline);

// Before QApplication exists: a session bus that stays silent for about a
// second is dropped from this process's environment (accessibility is then
// off, as it must be without a bus), with a word on standard error.
void DropSilentSessionBus();

}  // namespace velk::qt
