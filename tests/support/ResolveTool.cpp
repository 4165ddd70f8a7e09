// Prints the resolver's answer for one host name, for tests that run it in a
// namespace of their own. Messages the resolver shows go to standard error.
#include "SocketLayer.h"
#include "TextCodec.h"
#include "clsResolve.h"

#include <iostream>

namespace {

class PrintedBoxes final : public velk::MessageBoxes {
public:
    void Show(const std::wstring& text, velk::MessageIcon) override { std::cerr << velk::ToUtf8(text) << "\n"; }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: velk_resolve_tool HOST\n";
        return 2;
    }
    PrintedBoxes boxes;
    velk::clsResolve resolver(velk::PlatformSocketLayer(), boxes);
    std::cout << velk::ToUtf8(resolver.GetIPFromHostName(velk::FromUtf8(argv[1]))) << "\n";
    return 0;
}
