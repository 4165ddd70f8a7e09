// Each measurement beside the baseline it is judged against, in one run:
//  - reading the settings for load: a 4-line file vs one whose fifth line is
//    100 MB (the reader must stop after the items it needs), and vs one whose
//    first line, or first 300 MB of blanks, run past the item limit (the read
//    must end there, with an error);
//  - the resolver's forward lookup of "localhost" vs the raw platform call;
//  - starting a client that exits at once vs a bare posix_spawn and wait.
#include "AppError.h"
#include "ProgramStart.h"
#include "SettingsFile.h"
#include "clsResolve.h"

#include <benchmark/benchmark.h>

#include <netdb.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path BenchFolder(const char* name) {
    return fs::temp_directory_path() / ("velk-bench-" + std::to_string(getpid())) / name;
}

// A folder with a settings file, made once per process.
fs::path Folder(const char* name, bool hugeFifthLine) {
    const fs::path folder = BenchFolder(name);
    if (!fs::exists(folder / "config.ini")) {
        fs::create_directories(folder);
        std::ofstream out(folder / "config.ini", std::ios::binary);
        out << "localhost,800\r\nVellmark Realm\r\n\"Double experience all weekend, new dungeon on Friday.\"\r\n";
        if (hugeFifthLine) {
            const std::string block(1 << 20, 'x');
            for (int i = 0; i < 100; ++i) out << block;
            out << "\r\n";
        }
    }
    return folder;
}

void ReadForLoad(benchmark::State& state, bool hugeFifthLine) {
    const fs::path folder = Folder(hugeFifthLine ? "huge" : "small", hugeFifthLine);
    for (auto _ : state) benchmark::DoNotOptimize(velk::ReadSettingsForLoad(folder));
}
BENCHMARK_CAPTURE(ReadForLoad, four_lines, false);
BENCHMARK_CAPTURE(ReadForLoad, fifth_line_100MB, true);

// A file whose first 300 MB are `filler`, then four items.
void ReadForLoadHugeStart(benchmark::State& state, char filler) {
    const fs::path folder = BenchFolder(filler == ' ' ? "huge-blanks" : "huge-first-line");
    fs::create_directories(folder);
    {
        std::ofstream out(folder / "config.ini", std::ios::binary);
        const std::string block(1 << 20, filler);
        for (int i = 0; i < 300; ++i) out << block;
        out << "localhost,800,T,N\r\n";
    }
    for (auto _ : state) {
        try {
            velk::ReadSettingsForLoad(folder);
            state.SkipWithError("300 MB were read as an item");
        } catch (const velk::AppError& error) {
            benchmark::DoNotOptimize(error.what());
        }
    }
}
BENCHMARK_CAPTURE(ReadForLoadHugeStart, first_line_300MB, 'x');
BENCHMARK_CAPTURE(ReadForLoadHugeStart, blanks_300MB, ' ');

class SilentBoxes final : public velk::MessageBoxes {
public:
    void Show(const std::wstring&, velk::MessageIcon) override {}
};

void ResolveLocalhost(benchmark::State& state) {
    SilentBoxes boxes;
    for (auto _ : state) {
        velk::clsResolve resolver(velk::PlatformSocketLayer(), boxes);
        benchmark::DoNotOptimize(resolver.GetIPFromHostName(L"localhost"));
    }
}
BENCHMARK(ResolveLocalhost);

void RawGethostbyname(benchmark::State& state) {
    std::vector<char> buffer(1024);
    for (auto _ : state) {
        hostent entry{};
        hostent* result = nullptr;
        int error = 0;
        gethostbyname2_r("localhost", AF_INET, &entry, buffer.data(), buffer.size(), &result, &error);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(RawGethostbyname);

// The client is /bin/true under the client's name: it exits at once.
fs::path Client() {
    const fs::path client = Folder("client", false) / "velk.exe";
    if (!fs::exists(client)) fs::copy_file("/bin/true", client);
    return client;
}

void StartClient(benchmark::State& state) {
    const fs::path client = Client();
    for (auto _ : state) {
        velk::PlatformProgramStarter().Start(client, L"127.0.0.1:800", velk::WindowState::MinimizedWithFocus);
    }
}
BENCHMARK(StartClient)->UseRealTime();

void BarePosixSpawn(benchmark::State& state) {
    const std::string client = Client().string();
    for (auto _ : state) {
        std::string argument = "127.0.0.1:800";
        std::string path = client;
        char* argv[] = {path.data(), argument.data(), nullptr};
        pid_t pid = 0;
        posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ);
        waitpid(pid, nullptr, 0);
    }
}
BENCHMARK(BarePosixSpawn)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(BenchFolder(""), ignored);
    return 0;
}
