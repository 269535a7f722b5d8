// The key=value store on server data files of 1,000 to 100,000 lines: load, five reads, five writes and save,
// beside a plain read and write of the same bytes, so that the store's own cost shows as a ratio and its growth
// as the fitted complexity.

#include "base/FileSystem.h"
#include "itemdata/KeyValueFile.h"
#include "itemdata/KeyValueLines.h"
#include "itemdata/LineScan.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const char* const kItemKeys[] = {"Type", "Bonus", "Price", "Class", "Stack"};

// Filler lines first and the five item keys last, so that every lookup passes the whole file.
std::string ServerText(int lines) {
    std::string text;
    for (int i = 0; i < lines - 5; ++i)
        text += "Note" + std::to_string(i) + "=a line the editor never touches\r\n";
    text += "Type=Ring\r\nBonus=Attack+25,ResHeat+10\r\nPrice=1500\r\nClass=ALL\r\nStack=1\r\n";
    return text;
}

// A server data file of the benchmark's line count in a folder of its own, removed afterwards.
class ServerFile {
public:
    explicit ServerFile(int lines)
        : m_folder(std::filesystem::temp_directory_path() / ("brindle-bench-" + std::to_string(lines))) {
        std::filesystem::create_directories(m_folder);
        m_path = (m_folder / "Bench.ITM").string();
        m_bytes = ServerText(lines);
        FileSystem::WriteFileSafely(m_path, m_bytes);
    }
    ~ServerFile() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    const std::string& Path() const { return m_path; }
    std::int64_t Bytes() const { return static_cast<std::int64_t>(m_bytes.size()); }

private:
    std::filesystem::path m_folder;
    std::string m_path;
    std::string m_bytes;
};

void Finish(benchmark::State& state, const ServerFile& file) {
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}

void StoreLoadEditSave(benchmark::State& state) {
    const ServerFile file(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        KeyValueFile store(file.Path());
        for (const char* key : kItemKeys)
            benchmark::DoNotOptimize(store.ReadValue(key));
        for (const char* key : kItemKeys)
            store.WriteValue(key, "7");
        store.SaveFile();
    }
    Finish(state, file);
}

void PlainReadWrite(benchmark::State& state) {
    const ServerFile file(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string bytes = FileSystem::ReadFile(file.Path());
        FileSystem::WriteFileSafely(file.Path(), bytes);
    }
    Finish(state, file);
}

// The store's work on a server data file without the disk: split, five reads, five writes, join.
void StoreInMemory(benchmark::State& state) {
    const ServerFile file(static_cast<int>(state.range(0)));
    const std::string bytes = FileSystem::ReadFile(file.Path());
    for (auto _ : state) {
        KeyValueLines store = ServerDataLines(bytes, file.Path());
        for (const char* key : kItemKeys)
            benchmark::DoNotOptimize(store.ReadValue(key));
        for (const char* key : kItemKeys)
            store.WriteValue(key, "7");
        benchmark::DoNotOptimize(store.Text());
    }
    Finish(state, file);
}

// Reading and rewriting the bytes with plain streams: no flush to disk, no rename.
void StreamReadWrite(benchmark::State& state) {
    const ServerFile file(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::ifstream in(file.Path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        in.close();
        std::ofstream(file.Path(), std::ios::binary | std::ios::trunc) << bytes;
    }
    Finish(state, file);
}

void LineCounts(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
}

} // namespace

// The line scan of the store, sixteen bytes at a time with SSE2, against the plain loop over every byte, on the
// same text in the same run.
template <typename Visit> void ScanLinesByteByByte(std::string_view text, Visit&& visit) {
    std::size_t lineStart = 0;
    std::size_t nameEnd = ScannedLine::kNoName;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '=') {
            if (nameEnd == ScannedLine::kNoName)
                nameEnd = at;
            continue;
        }
        if (c != '\r' && c != '\n')
            continue;
        visit(ScannedLine{lineStart, at, nameEnd});
        nameEnd = ScannedLine::kNoName;
        if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        lineStart = at + 1;
    }
    if (lineStart < text.size())
        visit(ScannedLine{lineStart, text.size(), nameEnd});
}

// scan: ScanLines or ScanLinesByteByByte, as a function object.
template <typename Scan> void LineScan(benchmark::State& state, Scan scan) {
    const std::string text = ServerText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::size_t names = 0;
        scan(text, [&names](const ScannedLine& line) { names += line.nameEnd != ScannedLine::kNoName; });
        benchmark::DoNotOptimize(names);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void LineScanBlocks(benchmark::State& state) {
    LineScan(state, [](std::string_view text, auto&& visit) { ScanLines(text, visit); });
}

void LineScanByteByByte(benchmark::State& state) {
    LineScan(state, [](std::string_view text, auto&& visit) { ScanLinesByteByByte(text, visit); });
}

BENCHMARK(LineScanBlocks)->Arg(100000);
BENCHMARK(LineScanByteByByte)->Arg(100000);
BENCHMARK(StoreLoadEditSave)->Apply(LineCounts);
BENCHMARK(PlainReadWrite)->Apply(LineCounts);
BENCHMARK(StoreInMemory)->Apply(LineCounts);
BENCHMARK(StreamReadWrite)->Apply(LineCounts);

BENCHMARK_MAIN();
