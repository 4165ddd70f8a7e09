// A settings file that is no regular file is refused at once: opening a FIFO
// without a writer, or reading a device without end, must never hang; a link
// to nothing is told apart from a missing file.
#include "SettingsFile.h"

#include "AppError.h"
#include "support/RowName.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>

namespace velk {
namespace {

using test::TempFolder;

struct KindCase {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
    const char* reason = "it is not a regular file";
};

class SettingsFileKinds : public testing::TestWithParam<KindCase> {};

TEST_P(SettingsFileKinds, AreRefusedWithTheirReason) {
    TempFolder folder;
    const auto path = folder.Path() / "config.ini";
    GetParam().make(path);
    for (const bool load : {true, false}) {
        try {
            if (load) {
                ReadSettingsForLoad(folder.Path());
            } else {
                ReadSettingsForPress(folder.Path());
            }
            ADD_FAILURE() << "read";
        } catch (const AppError& error) {
            EXPECT_THAT(error.what(), testing::HasSubstr(GetParam().reason));
        }
    }
}

void MakeFifo(const std::filesystem::path& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }

void LinkTo(const char* target, const std::filesystem::path& path) {
    std::filesystem::create_symlink(target, path);
}

void MakeSocket(const std::filesystem::path& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.native().size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, path.c_str());
    // The bound name stays in the folder after the socket is closed.
    EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsFileKinds,
    testing::Values(KindCase{"Fifo", MakeFifo},
                    KindCase{"ZeroDeviceThroughALink", [](const auto& path) { LinkTo("/dev/zero", path); }},
                    KindCase{"NullDeviceThroughALink", [](const auto& path) { LinkTo("/dev/null", path); }},
                    KindCase{"FifoThroughALink",
                             [](const auto& path) {
                                 MakeFifo(path.parent_path() / "pipe");
                                 LinkTo("pipe", path);
                             }},
                    KindCase{"Socket", MakeSocket},
                    KindCase{"LinkToNothing", [](const auto& path) { LinkTo("missing.ini", path); },
                             "it is a link to a file that is not there"},
                    KindCase{"LinkToItself", [](const auto& path) { LinkTo("config.ini", path); },
                             "it is a link in a loop of links"}),
    test::RowName());

}  // namespace
}  // namespace velk
