#include "SettingsFile.h"

#include "AppError.h"
#include "DecodedSource.h"
#include "FileReading.h"
#include "ItemReader.h"
#include "TextCodec.h"

#include <vector>

namespace velk {
namespace {

[[noreturn]] void Fail(const Path& path, const std::wstring& reason) {
    throw AppError(L"Cannot read the settings file \"" + PathToText(path) + L"\": " + reason + L".");
}

// Opens the file and reads `count` items from its start; `file` keeps it open.
std::vector<std::wstring> ReadItems(const Path& path, std::size_t count,
                                    std::unique_ptr<ByteSource>& file) {
    std::vector<std::wstring> items;
    try {
        file = std::make_unique<DecodedSource>(OpenFileForReading(path));
        ItemReader reader(*file);
        while (items.size() < count) {
            auto item = reader.Next();
            if (!item) {
                Fail(path, L"input past end of file (it holds " + std::to_wstring(items.size()) + L" of the " +
                               std::to_wstring(count) + L" items needed)");
            }
            items.push_back(std::move(*item));
        }
    } catch (const FileProblemError& error) {
        Fail(path, ProblemText(path, error, L"a file", L"access denied"));
    } catch (const ItemTooLongError& error) {
        Fail(path, L"item " + std::to_wstring(error.Item()) + L" is longer than the limit of " +
                       std::to_wstring(kMaxItemBytes / 1024) + L" KiB (" + std::to_wstring(kMaxItemBytes) +
                       L" bytes)");
    }
    return items;
}

}  // namespace

Path SettingsFilePath(const Path& applicationFolder) { return applicationFolder.Join("config.ini"); }

ServerSettings ReadSettingsForLoad(const Path& applicationFolder) {
    std::unique_ptr<ByteSource> file;
    auto items = ReadItems(SettingsFilePath(applicationFolder), 4, file);
    return {std::move(items[0]), std::move(items[1]), std::move(items[2]), std::move(items[3])};
}

PressSettings ReadSettingsForPress(const Path& applicationFolder) {
    std::unique_ptr<ByteSource> file;
    auto items = ReadItems(SettingsFilePath(applicationFolder), 2, file);
    return {std::move(file), std::move(items[0]), std::move(items[1])};
}

}  // namespace velk
