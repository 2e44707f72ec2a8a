// What the safe replacement of a stored file costs against writing the file
// in place: the size of the heaviest page's save file (54 sprite records),
// on the disk and in memory (/dev/shm).
#include "persist/serializer.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 54;

class BenchFolder {
public:
    explicit BenchFolder(const fs::path& base) {
        std::string pattern = (base / "varnolt-bench-XXXXXX").string();
        path = mkdtemp(&pattern[0]) != nullptr ? pattern : "";
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    std::string path;
};

fs::path Base(int64_t inMemory) {
    return inMemory != 0 ? fs::path("/dev/shm") : fs::temp_directory_path();
}

template <typename Out> void WritePage(Out& out) {
    out.PutString("VARNOLT1");
    out.PutInt(256);
    out.PutInt(7);
    for (int32_t record = 0; record < kRecords; ++record) {
        for (int32_t field = 0; field < 6; ++field)
            out.PutInt(record * 6 + field);
    }
}

// The same bytes written straight into the target, truncating it first.
class InPlaceWriter {
public:
    explicit InPlaceWriter(const std::string& path)
        : stream(path, std::ios::binary | std::ios::trunc) {}
    void PutInt(int32_t value) { stream.write(reinterpret_cast<const char*>(&value), 4); }
    void PutString(const std::string& text) {
        PutInt(static_cast<int32_t>(text.size()));
        stream.write(text.data(), static_cast<std::streamsize>(text.size()));
    }

private:
    std::ofstream stream;
};

void BM_SaveInPlace(benchmark::State& state) {
    BenchFolder folder(Base(state.range(0)));
    const std::string path = folder.path + "/page06.sav";
    for (auto _ : state) {
        InPlaceWriter out(path);
        WritePage(out);
    }
}

void BM_SaveByReplacing(benchmark::State& state) {
    BenchFolder folder(Base(state.range(0)));
    const std::string path = folder.path + "/page06.sav";
    for (auto _ : state) {
        Serializer out(path);
        WritePage(out);
        out.Commit();
    }
}

} // namespace

// Argument: 0 on the disk, 1 in memory.
BENCHMARK(BM_SaveInPlace)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveByReplacing)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
