// Windows Sockets 1.1 from "wsock32.dll", loaded at first use from the
// system folder only: the starter lives in a game folder that players can
// write to, and a planted wsock32.dll there must never be loaded.
#include "SocketLayer.h"

#include <winsock2.h>
#include <windows.h>

#include "AppError.h"
#include "SystemLibrary_win32.h"
#include "WindowsError.h"

namespace velk {
namespace {

using StartupFn = int(WSAAPI*)(WORD, LPWSADATA);
using CleanupFn = int(WSAAPI*)();
using GetHostByNameFn = hostent*(WSAAPI*)(const char*);
using InetAddrFn = unsigned long(WSAAPI*)(const char*);
using GetHostByAddrFn = hostent*(WSAAPI*)(const char*, int, int);

class Wsock32 {
public:
    Wsock32() {
        module_ = LoadSystemLibrary(L"wsock32.dll");
        if (!module_) throw AppError(L"Cannot load the socket library \"wsock32.dll\": " + WindowsErrorText(GetLastError()) + L".");
        startup = Entry<StartupFn>("WSAStartup");
        cleanup = Entry<CleanupFn>("WSACleanup");
        getHostByName = Entry<GetHostByNameFn>("gethostbyname");
        inetAddr = Entry<InetAddrFn>("inet_addr");
        getHostByAddr = Entry<GetHostByAddrFn>("gethostbyaddr");
    }
    // Stays loaded for the life of the process, as an imported DLL would.
    Wsock32(const Wsock32&) = delete;
    Wsock32& operator=(const Wsock32&) = delete;

    StartupFn startup;
    CleanupFn cleanup;
    GetHostByNameFn getHostByName;
    InetAddrFn inetAddr;
    GetHostByAddrFn getHostByAddr;

private:
    template <typename Fn>
    Fn Entry(const char* name) {
        const auto entry = LibraryEntry<Fn>(module_, name);
        if (!entry) {
            std::wstring wide(name, name + std::char_traits<char>::length(name));
            throw AppError(L"Cannot find \"" + wide + L"\" in the socket library \"wsock32.dll\": " + WindowsErrorText(GetLastError()) +
                           L".");
        }
        return entry;
    }

    HMODULE module_;
};

class WinsockLayer final : public SocketLayer {
public:
    int Startup(std::uint16_t version) override {
        WSADATA data{};
        return Library().startup(version, &data);
    }

    int Cleanup() override { return Library().cleanup(); }

    std::optional<HostAddresses> GetHostByName(const std::string& name) override {
        const hostent* entry = Library().getHostByName(name.c_str());
        if (!entry) return std::nullopt;
        HostAddresses result;
        result.addressLength = entry->h_length;
        for (char** address = entry->h_addr_list; address && *address; ++address) {
            result.addresses.emplace_back(*address, static_cast<std::size_t>(entry->h_length));
        }
        return result;
    }

    std::uint32_t InetAddr(const std::string& text) override {
        return static_cast<std::uint32_t>(Library().inetAddr(text.c_str()));
    }

    std::optional<std::string> GetHostByAddr(std::uint32_t address) override {
        const hostent* entry =
            Library().getHostByAddr(reinterpret_cast<const char*>(&address), sizeof address, AF_INET);
        if (!entry) return std::nullopt;
        return std::string(entry->h_name ? entry->h_name : "");
    }

private:
    // Loaded at first use; a failed load is tried again at the next use.
    static Wsock32& Library() {
        static Wsock32 library;
        return library;
    }
};

}  // namespace

SocketLayer& PlatformSocketLayer() {
    static WinsockLayer layer;
    return layer;
}

}  // namespace velk
