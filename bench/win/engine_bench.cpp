// The engine against the bare platform calls on real folders: collection (with sorting and
// formatting) against a plain folder walk, and renameAll against a plain loop of renames.
//
//   engine_bench collect <folder> <subfolders 0|1> <runs> <label>
//   engine_bench rename  <folder> <subfolders 0|1> <runs> <label>
//   engine_bench case    <folder> <subfolders 0|1> <runs> <label>
//   engine_bench undo    <folder> <subfolders 0|1> <runs> <label> [<earlier Renames held>]
//   engine_bench scripts <files> <files per folder> <runs> <label>
//
// Engine and floor run alternately, <runs> times each; the medians and their ratio are printed
// as one table row: label | engine s | floor s | ratio. For undo the engine is the undo of a
// Rename and the floor the Rename of the same files. For scripts the engine formats names in
// several scripts in UTF-8 with every operation on, and the floor the same count of ASCII names
// of the same character counts, the same way; no file is touched.
#include "engine/rename.h"
#include "format/format_names.h"
#include "engine/commands.h"
#include "win32/characters.h"
#include "win32/win32_file_system.h"
#include "seconds.h"
#include "../all_passes.h"
#include "support/null_window.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

// A window that shows nothing and answers every question with "go on".
class GoOnWindow : public testing::NullWindow {
public:
    GoOnWindow() { confirmAnswer = {true, true}; }
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The options of every run: all files, numbered with six digits in each folder.
Options benchOptions(const std::string& folder, bool subfolders) {
    Options options;
    options.targetMode = TargetMode::folderMode;
    options.pathSpec = folder;
    options.maskOrList = "*.*";
    options.includeSubdirs = subfolders;
    options.numerate = true;
    options.startNumber = 1;
    options.digitCount = 6;
    return options;
}

// The floor of collection: the least a program must do to see every file of the tree.
std::size_t walk(const std::string& folder, bool subfolders) {
    std::size_t files = 0;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            ++files;
        else if (subfolders && std::strcmp(data.cFileName, ".") != 0 &&
                 std::strcmp(data.cFileName, "..") != 0)
            files += walk(folder + data.cFileName + "\\", true);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return files;
}

void printRow(const std::string& label, const std::vector<double>& engine,
              const std::vector<double>& floor, std::size_t files) {
    const double e = median(engine);
    const double f = median(floor);
    std::printf("| %-67s | %9.3f | %9.3f | %5.2f |\n", label.c_str(), e, f, f > 0 ? e / f : 0.0);
    std::fprintf(stderr, "%s: %zu files; engine", label.c_str(), files);
    for (double t : engine)
        std::fprintf(stderr, " %.3f", t);
    std::fprintf(stderr, "; floor");
    for (double t : floor)
        std::fprintf(stderr, " %.3f", t);
    std::fprintf(stderr, "\n");
}

SIZE_T workingSet(bool peak) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return peak ? counters.PeakWorkingSetSize : counters.WorkingSetSize;
}

// With a mask other than "*.*" every name found is checked against it. Also prints the peak
// working set of the process and the bytes per entry: at the peak above the start, and those
// the list holds once the command is done.
int collectBench(const std::string& folder, bool subfolders, int runs, const std::string& label,
                 const std::string& mask) {
    const SIZE_T atStart = workingSet(false);
    SIZE_T held = 0;
    GoOnWindow window;
    window.options = benchOptions(folder, subfolders);
    window.options.maskOrList = mask;
    Win32FileSystem fs;
    walk(folder, subfolders); // warms the caches for both
    std::vector<double> engine, floor;
    std::size_t files = 0;
    for (int run = 0; run < runs; ++run) {
        {
            Commands commands(window, fs);
            const double start = now();
            commands.runPreview();
            engine.push_back(now() - start);
            files = commands.fileList().size();
            held = std::max(held, workingSet(false));
        }
        const double start = now();
        const std::size_t walked = walk(folder, subfolders);
        floor.push_back(now() - start);
        if (walked != files) {
            std::fprintf(stderr, "%s: the engine found %zu files, the walk %zu\n", label.c_str(),
                         files, walked);
            return 1;
        }
    }
    printRow(label, engine, floor, files);
    const double peak = static_cast<double>(workingSet(true));
    const double entries = static_cast<double>(std::max<std::size_t>(files, 1));
    std::printf("| %-67s | %6.0f MB | %9s | %5s |\n", (label + ": peak working set").c_str(),
                peak / (1024.0 * 1024.0), "", "");
    std::printf("| %-67s | %7.0f B | %7.0f B | %5s |\n",
                (label + ": bytes per entry, at the peak and held").c_str(),
                (peak - static_cast<double>(atStart)) / entries,
                static_cast<double>(held - std::min(held, atStart)) / entries, "");
    return 0;
}

bool bareMove(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), 0) != 0;
}

// The names of the files below folder as they are stored, by their full paths.
void storedNames(const std::string& folder, bool subfolders, std::vector<std::string>& names) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.push_back(folder + data.cFileName);
        else if (subfolders && std::strcmp(data.cFileName, ".") != 0 &&
                 std::strcmp(data.cFileName, "..") != 0)
            storedNames(folder + data.cFileName + "\\", true, names);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

// Renames every file of the tree 2 x runs times, each pass the way back of the one before
// (setUpPass sets the options of a pass). The platform's cost of a rename depends on the names
// involved, so engine and floor each rename in both directions, alternately:
// engine X->Y, floor Y->X, floor X->Y, engine Y->X, engine X->Y, ...
// The floor renames one entry with floorRename. After each pass every file must carry its new
// name on disk.
template <typename SetUpPass, typename FloorRename>
int renameRuns(GoOnWindow& window, const std::string& folder, bool subfolders, int runs,
               const std::string& label, SetUpPass setUpPass, FloorRename floorRename) {
    Win32FileSystem fs;
    std::vector<double> engine, floor;
    std::size_t files = 0;
    for (int pass = 0; pass < 2 * runs; ++pass) {
        const bool byEngine = ((pass + 1) / 2) % 2 == 0;
        setUpPass(window.options, pass);
        Commands commands(window, fs);
        commands.runPreview();
        files = commands.fileList().size();
        std::size_t renamed = 0;
        const double start = now();
        if (byEngine) {
            renamed =
                static_cast<std::size_t>(renameAll(commands.fileList(), fs, window).renamed());
        } else {
            for (const FileEntry& entry : commands.fileList())
                renamed += floorRename(entry) ? 1 : 0;
        }
        (byEngine ? engine : floor).push_back(now() - start);
        std::vector<std::string> expected, found;
        for (const FileEntry& entry : commands.fileList())
            expected.push_back(entry.folder + entry.newName);
        storedNames(folder, subfolders, found);
        std::sort(expected.begin(), expected.end());
        std::sort(found.begin(), found.end());
        if (renamed != files || files == 0 || found != expected) {
            std::fprintf(stderr, "%s: renamed %zu of %zu, %s on disk %s\n", label.c_str(), renamed,
                         files, found == expected ? "all" : "not all", window.lastError.c_str());
            return 1;
        }
    }
    printRow(label, engine, floor, files);
    return 0;
}

// Renames every file between two sets of numbered names of the same shape, 100001.jpg ... and
// 000001.jpg ..., numbering on with six digits, against a bare rename per file.
int renameBench(const std::string& folder, bool subfolders, int runs, const std::string& label) {
    GoOnWindow window;
    window.options = benchOptions(folder, subfolders);
    return renameRuns(
        window, folder, subfolders, runs, label,
        [](Options& options, int pass) { options.startNumber = pass % 2 == 0 ? 1 : 100001; },
        [](const FileEntry& entry) {
            return bareMove(entry.folder + entry.oldName, entry.folder + entry.newName);
        });
}

// Changes only the letter case of every file, small letters and capitals in turn, against a
// floor of two bare renames per file (through a temporary name, the least that makes the new
// spelling stick where a direct rename keeps the old one). With an even number of runs each side
// changes the case both ways equally often.
int caseBench(const std::string& folder, bool subfolders, int runs, const std::string& label) {
    GoOnWindow window;
    window.options = benchOptions(folder, subfolders);
    window.options.numerate = false;
    window.options.caseOn = true;
    return renameRuns(
        window, folder, subfolders, runs, label,
        [](Options& options, int pass) {
            options.caseStyle = pass % 2 == 0 ? smallLetters : capitalLetters;
        },
        [](const FileEntry& entry) {
            const std::string temporary = entry.folder + entry.oldName + "~tw0000";
            return bareMove(entry.folder + entry.oldName, temporary) &&
                   bareMove(temporary, entry.folder + entry.newName);
        });
}

// Undoing a Rename against the Rename of the same files, in both directions: from the names of
// one set a Rename to the other (timed as the floor), its undo (timed as the engine) and the
// Rename again; the next run the same from the other set. After every command every file must
// carry the name expected on disk. Before the first run, held Renames (not timed) leave as many
// runs for the undo to hold beneath the one it gives back.
int undoBench(const std::string& folder, bool subfolders, int runs, const std::string& label,
              int held) {
    GoOnWindow window;
    window.options = benchOptions(folder, subfolders);
    window.previewAnswer = false;
    Win32FileSystem fs;
    Commands commands(window, fs);
    std::vector<double> undos, renames;
    std::size_t files = 0;
    std::vector<std::string> names[2]; // the names of the two sets: 1..., 100001...
    auto onDisk = [&] {
        std::vector<std::string> found;
        storedNames(folder, subfolders, found);
        std::sort(found.begin(), found.end());
        return found;
    };
    int at = 1; // the tree starts with the names from 100001
    names[at] = onDisk();
    auto command = [&](std::vector<double>& times, int to, bool undo) {
        if (!undo) {
            window.options.startNumber = to == 0 ? 1 : 100001;
            commands.runPreview(); // collected, sorted and formatted; the Rename is timed alone
        }
        const double start = now();
        if (undo)
            commands.runUndo();
        else
            commands.runRename();
        times.push_back(now() - start);
        if (names[to].empty())
            names[to] = onDisk();
        files = names[to].size();
        return onDisk() == names[to] && files > 0 && window.lastError.empty();
    };
    std::vector<double> untimed;
    for (int run = 0; run < held; ++run) {
        if (!command(untimed, 1 - at, false)) {
            std::fprintf(stderr, "%s: an earlier Rename failed %s\n", label.c_str(),
                         window.lastError.c_str());
            return 1;
        }
        at = 1 - at;
    }
    for (int run = 0; run < runs; ++run) {
        const int other = 1 - at;
        if (!command(renames, other, false) || !command(undos, at, true) ||
            !command(renames, other, false)) {
            std::fprintf(stderr, "%s: not every file has the name expected %s\n", label.c_str(),
                         window.lastError.c_str());
            return 1;
        }
        at = other;
    }
    printRow(label, undos, renames, files);
    return 0;
}

// Words of the names in several scripts (Japanese, Chinese, Korean, Cyrillic, Greek, accented
// Latin, a few with an emoji), each with an ASCII word of as many characters.
struct WordPair {
    const char* ascii;
    const char* script;
};
constexpr WordPair wordPairs[] = {
    {"Sakura", "さくらの季節"},
    {"Tokyo", "東京タワー"},
    {"Natsu", "夏の終わり"},
    {"Pekin", "北京的秋天"},
    {"Wall", "万里长城"},
    {"Bund", "上海夜景"},
    {"Seoul", "서울특별시"},
    {"Park", "한강공원"},
    {"Ari", "아리랑"},
    {"Moskva", "Москва"},
    {"Winter", "Зимняя"},
    {"Pesni", "Песни"},
    {"Athen", "Αθήνα"},
    {"Seaside", "Θάλασσα"},
    {"Hellas", "Ελλάδα"},
    {"Uber", "Über"},
    {"Munchen", "München"},
    {"Cafe", "Café"},
    {"Osterreich", "Österreich"},
    {"Senor", "Señor"},
    {"XGitarre", "🎸Gitarre"},
    {"XMusik", "🎵Musik"},
};

// files entries, filesPerFolder in each folder, named from the words of one side: folders like
// 'C:\Music\Tokyo Wall_Athen 0042\', files like 'Sakura_-_Pesni 0007.mp3'.
// The entries of one folder share its text, as collection gives them.
FileList wordNames(std::size_t files, std::size_t filesPerFolder, bool script) {
    constexpr std::size_t words = sizeof wordPairs / sizeof wordPairs[0];
    auto word = [&](std::size_t i) {
        return std::string(script ? wordPairs[i % words].script : wordPairs[i % words].ascii);
    };
    FileList list;
    list.reserve(files);
    char number[16];
    FolderText folderPath;
    for (std::size_t i = 0; i < files; ++i) {
        const std::size_t folder = i / filesPerFolder;
        std::snprintf(number, sizeof number, " %04zu", folder % 10000);
        if (i % filesPerFolder == 0)
            folderPath = "C:\\Music\\" + word(folder) + " " + word(folder * 7 + 3) + "_" +
                         word(folder * 13 + 5) + number + "\\";
        std::snprintf(number, sizeof number, " %04zu.mp3", i % filesPerFolder);
        list.push_back(
            {folderPath, word(i * 5 + 1) + "_-_" + word(i * 11 + 2) + number, std::string()});
    }
    return list;
}

// Formats the names in several scripts against as many ASCII names, both in UTF-8 with every
// operation on and search texts that occur in both sets.
int scriptsBench(std::size_t files, std::size_t filesPerFolder, int runs,
                 const std::string& label) {
    // Every operation on, as the formatting benchmark of the host build has them, with search
    // texts that occur in both sets of names.
    Options options = allPassesOn();
    options.insertPosition = 12; // characters, inside the words of the folder's name
    options.eraseUntil = " - ";
    const Wtf8Characters utf8 = Wtf8Characters(platformLetters());
    GoOnWindow window;
    FileList script = wordNames(files, filesPerFolder, true);
    FileList ascii = wordNames(files, filesPerFolder, false);
    formatNewNames(options, script, window, utf8); // warms the caches and the heap for both
    formatNewNames(options, ascii, window, utf8);
    std::vector<double> engine, floor;
    for (int run = 0; run < runs; ++run) {
        double start = now();
        formatNewNames(options, script, window, utf8);
        engine.push_back(now() - start);
        start = now();
        formatNewNames(options, ascii, window, utf8);
        floor.push_back(now() - start);
    }
    std::fprintf(
        stderr, "%s: %s -> %s; %s -> %s\n", label.c_str(),
        (script.back().folder + script.back().oldName).c_str(), script.back().newName.c_str(),
        (ascii.back().folder + ascii.back().oldName).c_str(), ascii.back().newName.c_str());
    printRow(label, engine, floor, files);
    return 0;
}

} // namespace
} // namespace tarnwick

int main(int argc, char** argv) {
    if (argc != 6 && argc != 7) {
        std::fprintf(stderr,
                     "usage: engine_bench collect|rename|case|undo <folder> <subfolders 0|1> "
                     "<runs> <label> [<mask> | <earlier Renames held>]\n"
                     "       engine_bench scripts <files> <files per folder> <runs> <label>\n");
        return 2;
    }
    const std::string mode = argv[1];
    if (mode == "scripts")
        return tarnwick::scriptsBench(static_cast<std::size_t>(std::max(1, std::atoi(argv[2]))),
                                      static_cast<std::size_t>(std::max(1, std::atoi(argv[3]))),
                                      std::max(1, std::atoi(argv[4])), argv[5]);
    std::string folder = argv[2];
    if (folder.back() != '\\')
        folder += '\\';
    const bool subfolders = std::atoi(argv[3]) != 0;
    const int runs = std::max(1, std::atoi(argv[4]));
    if (mode == "collect")
        return tarnwick::collectBench(folder, subfolders, runs, argv[5],
                                      argc == 7 ? argv[6] : "*.*");
    if (mode == "rename")
        return tarnwick::renameBench(folder, subfolders, runs, argv[5]);
    if (mode == "case")
        return tarnwick::caseBench(folder, subfolders, runs, argv[5]);
    if (mode == "undo")
        return tarnwick::undoBench(folder, subfolders, runs, argv[5],
                                   argc == 7 ? std::atoi(argv[6]) : 0);
    return 2;
}
