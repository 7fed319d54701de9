// Random options and names through the whole Preview and Rename commands on an in-memory file
// system: validation, collection, sorting, formatting, the result checks and the renames must
// neither crash nor hit undefined behaviour, and options that validation accepts never put one
// of the characters \ / : * ? < > | " into a new name made from names and folders without them,
// in the code pages 1252, UTF-8 and Shift-JIS.
#include "engine/commands.h"
#include "support/host_characters.h"
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
    explicit EverythingExists(const Wtf8Characters& characters) : MemoryFileSystem(characters) {}
    bool exists(const std::string&) override { return true; }
};

class FuzzWindow : public testing::NullWindow {
public:
    explicit FuzzWindow(const Wtf8Characters& characters) : characters_(characters) {}
    bool previewed = false;

    // Validation accepted the options: every new name must be free of the name set.
    bool runPreviewDialog(const FileList& files) override {
        previewed = true;
        for (const FileEntry& entry : files) {
            if (characters_.holdsAny(entry.newName, kNameSet)) {
                std::fprintf(stderr,
                             "new name with a forbidden character: '%s' from '%s' in '%s'\n",
                             entry.newName.c_str(), entry.oldName.c_str(), entry.folder.c_str());
                std::abort();
            }
        }
        return true; // "Rename": on to the result checks and the renames
    }

private:
    const Wtf8Characters& characters_;
};

// A text in whole characters of the code page, as the platform's edit fields and folder searches
// deliver them: a lead byte of a double-byte code page always comes with its trail byte. A lone
// lead byte (at the end, or before a byte below 0x40) is no character the platform delivers; it
// would take the next text's first byte into a character of its own and so free the trail byte
// (a "\\" or "|" in Shift-JIS) of the character after.
std::string whole(const Wtf8Characters& characters, const std::string& text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t size = characters.charSize(text, at);
        const bool loneLead = size == 1 && characters.charSize(text.substr(at, 1) + "@", 0) == 2;
        if (!loneLead)
            out.append(text, at, size);
        at += size;
    }
    return out;
}

// A name free of the name set and of NUL, and never "." or "..", in whole characters.
std::string cleanName(FuzzedDataProvider& in, std::size_t maxLength,
                      const Wtf8Characters& characters) {
    std::string raw = in.ConsumeRandomLengthString(maxLength);
    std::string name;
    for (char c : raw)
        if (c != '\0' && std::string(kNameSet).find(c) == std::string::npos)
            name += c;
    name = whole(characters, name);
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
    const Wtf8Characters& characters = testing::testCharacters();
    EverythingExists fs(characters);
    FuzzWindow window(characters);
    Options& o = window.options;

    // The chosen folder: a drive and up to three folders with clean names.
    std::string folder = "C:";
    fs.addFolder("C:");
    const int depth = in.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < depth; ++i) {
        folder += "\\" + cleanName(in, 12, characters);
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
        const std::string sub = base + cleanName(in, 10, characters);
        if (taken.insert(lower(sub)).second) {
            fs.addFolder(sub);
            places[i + 1] = sub + "\\";
        }
    }
    const int fileCount = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < fileCount; ++i) {
        const std::string& place = places[in.ConsumeIntegralInRange(0, 2)];
        const std::string name = cleanName(in, in.ConsumeBool() ? 230 : 16, characters);
        if (!taken.insert(lower(place + name)).second)
            continue;
        fs.addFile(place + name);
        if (place == base)
            listText += (listText.empty() ? "" : ":") + name;
    }

    o.targetMode = in.ConsumeBool() ? TargetMode::listMode : TargetMode::folderMode;
    o.maskOrList =
        o.targetMode == TargetMode::listMode
            ? (in.ConsumeBool() ? listText : whole(characters, in.ConsumeRandomLengthString(40)))
            : (in.ConsumeBool() ? std::string("*.*")
                                : whole(characters, in.ConsumeRandomLengthString(8)));
    o.includeSubdirs = in.ConsumeBool();
    o.numerate = in.ConsumeBool();
    o.startNumber = in.ConsumeIntegral<int>();
    o.digitCount = in.ConsumeIntegralInRange(-2, 230);
    o.folderPrefix = in.ConsumeBool();
    o.separator = whole(characters, in.ConsumeRandomLengthString(8));
    o.replaceOn = in.ConsumeBool();
    o.replaceFind = whole(characters, in.ConsumeRandomLengthString(8));
    o.replaceWith = whole(characters, in.ConsumeRandomLengthString(8));
    o.replaceFirstOnly = in.ConsumeBool();
    o.swapOn = in.ConsumeBool();
    o.swapPivot = whole(characters, in.ConsumeRandomLengthString(8));
    o.insertOn = in.ConsumeBool();
    o.insertText = whole(characters, in.ConsumeRandomLengthString(8));
    o.insertPosition = in.ConsumeIntegral<int>();
    o.eraseOn = in.ConsumeBool();
    o.eraseUntil = whole(characters, in.ConsumeRandomLengthString(8));
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
