// Random options and names through the whole Preview and Rename commands on an in-memory file
// system: validation, collection, sorting, formatting, the result checks and the renames must
// neither crash nor hit undefined behaviour, and options that validation accepts never put one
// of the characters \ / : * ? < > | " into a new name made from names and folders without them.
#include "engine/commands.h"
#include "support/memory_file_system.h"
#include "support/null_window.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace tarnwick {
namespace {

const char* const kNameSet = "\\/:*?<>|\"";

// Every path exists: list entries and the chosen folder pass validation whatever they name.
class EverythingExists : public testing::MemoryFileSystem {
public:
    bool exists(const std::string&) override { return true; }
};

class FuzzWindow : public testing::NullWindow {
public:
    bool previewed = false;

    // Validation accepted the options: every new name must be free of the name set.
    bool runPreviewDialog(const FileList& files) override {
        previewed = true;
        for (const FileEntry& entry : files) {
            if (holdsAny(entry.newName, kNameSet)) {
                std::fprintf(stderr,
                             "new name with a forbidden character: '%s' from '%s' in '%s'\n",
                             entry.newName.c_str(), entry.oldName.c_str(), entry.folder.c_str());
                std::abort();
            }
        }
        return true; // "Rename": on to the result checks and the renames
    }
};

// A name free of the name set and of NUL, and never "." or "..".
std::string cleanName(FuzzedDataProvider& in, std::size_t maxLength) {
    std::string raw = in.ConsumeRandomLengthString(maxLength);
    std::string name;
    for (char c : raw)
        if (c != '\0' && std::string(kNameSet).find(c) == std::string::npos)
            name += c;
    if (name.empty() || name == "." || name == "..")
        name = "a" + name;
    return name;
}

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace
} // namespace tarnwick

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarnwick;
    FuzzedDataProvider in(data, size);
    EverythingExists fs;
    FuzzWindow window;
    Options& o = window.options;

    // The chosen folder: a drive and up to three folders with clean names.
    std::string folder = "C:";
    fs.addFolder("C:");
    const int depth = in.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < depth; ++i) {
        folder += "\\" + cleanName(in, 12);
        fs.addFolder(folder);
    }
    o.pathSpec = in.ConsumeBool() ? folder + "\\" : folder;
    if (o.pathSpec == "C:")
        o.pathSpec = "C:\\";
    const std::string base = folder + "\\";

    // Files in the folder and in up to two subfolders.
    std::set<std::string> taken;
    std::string listText;
    const int subfolders = in.ConsumeIntegralInRange(0, 2);
    std::string places[3] = {base, base, base};
    for (int i = 0; i < subfolders; ++i) {
        const std::string sub = base + cleanName(in, 10);
        if (taken.insert(lower(sub)).second) {
            fs.addFolder(sub);
            places[i + 1] = sub + "\\";
        }
    }
    const int fileCount = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < fileCount; ++i) {
        const std::string& place = places[in.ConsumeIntegralInRange(0, 2)];
        const std::string name = cleanName(in, in.ConsumeBool() ? 230 : 16);
        if (!taken.insert(lower(place + name)).second)
            continue;
        fs.addFile(place + name);
        if (place == base)
            listText += (listText.empty() ? "" : ":") + name;
    }

    o.targetMode = in.ConsumeBool() ? TargetMode::listMode : TargetMode::folderMode;
    o.maskOrList = o.targetMode == TargetMode::listMode
                       ? (in.ConsumeBool() ? listText : in.ConsumeRandomLengthString(40))
                       : (in.ConsumeBool() ? std::string("*.*") : in.ConsumeRandomLengthString(8));
    o.includeSubdirs = in.ConsumeBool();
    o.numerate = in.ConsumeBool();
    o.startNumber = in.ConsumeIntegral<int>();
    o.digitCount = in.ConsumeIntegralInRange(-2, 230);
    o.folderPrefix = in.ConsumeBool();
    o.separator = in.ConsumeRandomLengthString(8);
    o.replaceOn = in.ConsumeBool();
    o.replaceFind = in.ConsumeRandomLengthString(8);
    o.replaceWith = in.ConsumeRandomLengthString(8);
    o.replaceFirstOnly = in.ConsumeBool();
    o.swapOn = in.ConsumeBool();
    o.swapPivot = in.ConsumeRandomLengthString(8);
    o.insertOn = in.ConsumeBool();
    o.insertText = in.ConsumeRandomLengthString(8);
    o.insertPosition = in.ConsumeIntegral<int>();
    o.eraseOn = in.ConsumeBool();
    o.eraseUntil = in.ConsumeRandomLengthString(8);
    o.caseOn = in.ConsumeBool();
    o.caseStyle = in.ConsumeIntegralInRange(-1, 3);

    const std::size_t filesBefore = fs.files().size();
    Commands commands(window, fs);
    commands.runPreview();
    // Renames never make or remove a file.
    if (fs.files().size() != filesBefore)
        std::abort();
    return 0;
}
