// Formatting speed: a million entries through the whole commands, and each pass on its own.
#include "format/format_names.h"
#include "format/name_ops.h"
#include "support/host_characters.h"
#include "support/null_window.h"

#include "all_passes.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <string>

namespace tarnwick {
namespace {

constexpr int entryCount = 1000000;

// A window that only counts progress steps.
class CountingWindow : public testing::NullWindow {
public:
    long steps = 0;
    void stepProgress() override { ++steps; }
};

// 50 files in each of 20,000 album folders, named like 'Artist_-_Song Title 0042.mp3'.
const FileList& sampleFiles() {
    static const FileList files = [] {
        FileList list;
        list.reserve(entryCount);
        char buffer[64];
        for (int i = 0; i < entryCount; ++i) {
            std::snprintf(buffer, sizeof buffer, "C:\\Music\\Album %05d\\", i / 50);
            std::string folder = buffer;
            std::snprintf(buffer, sizeof buffer, "Artist_-_Song Title %04d.mp3", i % 50);
            list.push_back({folder, buffer, std::string()});
        }
        return list;
    }();
    return files;
}

void BM_FormatAllPasses(benchmark::State& state) {
    const Options options = allPassesOn();
    FileList files = sampleFiles();
    CountingWindow window;
    for (auto _ : state) {
        formatNewNames(options, files, window, testing::testCharacters());
        benchmark::DoNotOptimize(files.data());
    }
    const double entries = static_cast<double>(state.iterations()) * entryCount;
    state.counters["entries/s"] = benchmark::Counter(entries, benchmark::Counter::kIsRate);
    state.counters["entries/s/pass"] = benchmark::Counter(entries * 8, benchmark::Counter::kIsRate);
    state.SetLabel(files.front().newName);
}
BENCHMARK(BM_FormatAllPasses)->Unit(benchmark::kMillisecond)->UseRealTime();

// One pass alone over names that the earlier passes have prepared, as in the commands.
void runSinglePass(benchmark::State& state, int pass) {
    Options before = allPassesOn();
    bool* switches[] = {nullptr,        &before.numerate, &before.folderPrefix, &before.replaceOn,
                        &before.swapOn, &before.insertOn, &before.eraseOn,      &before.caseOn};
    for (int later = pass; later <= 7; ++later)
        if (switches[later] != nullptr)
            *switches[later] = false;
    const Options options = allPassesOn();
    FileList files = sampleFiles();
    CountingWindow window;
    std::string number;
    const Wtf8Characters& characters = testing::testCharacters();
    for (auto _ : state) {
        state.PauseTiming();
        formatNewNames(before, files, window, testing::testCharacters());
        state.ResumeTiming();
        if (pass == 1) {
            std::int64_t counter = options.startNumber;
            const FolderText* previous = nullptr;
            for (FileEntry& entry : files) {
                if (previous == nullptr || entry.folder != *previous)
                    counter = options.startNumber;
                formatNumber(counter++, options.digitCount, number);
                applyNumbering(entry.newName, number);
                previous = &entry.folder;
                window.stepProgress();
            }
        } else {
            for (FileEntry& entry : files) {
                std::string& name = entry.newName;
                switch (pass) {
                case 0: name = entry.oldName; break;
                case 2: applyFolderPrefix(name, entry.folder, options.separator, characters); break;
                case 3:
                    applyReplace(name, options.replaceFind, options.replaceWith,
                                 options.replaceFirstOnly, characters);
                    break;
                case 4: applySwap(name, options.swapPivot, characters); break;
                case 5:
                    applyInsert(name, options.insertText, options.insertPosition, characters);
                    break;
                case 6: applyErase(name, options.eraseUntil, characters); break;
                case 7: applyCase(name, options.caseStyle, characters); break;
                }
                window.stepProgress();
            }
        }
        benchmark::DoNotOptimize(files.data());
    }
    state.counters["entries/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * entryCount, benchmark::Counter::kIsRate);
    state.SetLabel(files.front().newName);
}

void BM_Pass0_Copy(benchmark::State& state) {
    runSinglePass(state, 0);
}
void BM_Pass1_Numbering(benchmark::State& state) {
    runSinglePass(state, 1);
}
void BM_Pass2_FolderPrefix(benchmark::State& state) {
    runSinglePass(state, 2);
}
void BM_Pass3_Replace(benchmark::State& state) {
    runSinglePass(state, 3);
}
void BM_Pass4_Swap(benchmark::State& state) {
    runSinglePass(state, 4);
}
void BM_Pass5_Insert(benchmark::State& state) {
    runSinglePass(state, 5);
}
void BM_Pass6_Erase(benchmark::State& state) {
    runSinglePass(state, 6);
}
void BM_Pass7_Case(benchmark::State& state) {
    runSinglePass(state, 7);
}
BENCHMARK(BM_Pass0_Copy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pass1_Numbering)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pass2_FolderPrefix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pass3_Replace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pass4_Swap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pass5_Insert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pass6_Erase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pass7_Case)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarnwick
