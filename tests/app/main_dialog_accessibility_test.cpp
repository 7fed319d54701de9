// What a screen reader meets in the Main dialog and the dialogs it opens: a name for every field,
// by the rule Windows documents or given by the program, and the outcome of each command heard
// once by a second process that listens as a screen reader does.
#include "main_dialog_harness.h"
#include "support/accessible_names.h"
#include "support/forwarding_file_system.h"
#include "support/temp_folder.h"
#include "win32/text_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using namespace testing;

// Every field that the documented rule leaves without a name has one, each a different one, from
// a caption the user sees before it or the dialog's title; the program names no other control,
// but for the fields it names on purpose after another caption.
void expectEveryFieldNamed(HWND dialog, const RecordingAnnotations& given,
                           const std::map<int, std::string>& onPurpose = {}) {
    const std::vector<HWND> fields = fieldsOf(dialog);
    std::set<std::wstring> captionsBefore{wideFromProgram(windowText(dialog))};
    std::set<std::wstring> namesGiven;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(c);
        const std::optional<std::wstring> name = given.nameOf(c);
        const std::optional<std::string> label = documentedLabel(c);
        const bool field = std::find(fields.begin(), fields.end(), c) != fields.end();
        if (onPurpose.count(id) != 0) {
            EXPECT_EQ(name, wideFromProgram(onPurpose.at(id))) << id;
        } else if (field && (!label || label->empty())) {
            ASSERT_TRUE(name.has_value()) << "field " << id << " has no name";
            EXPECT_EQ(captionsBefore.count(*name), 1u) << id;
            EXPECT_TRUE(namesGiven.insert(*name).second) << id;
        } else {
            EXPECT_FALSE(name.has_value())
                << "control " << id << " is named by " << label.value_or("");
        }
        captionsBefore.insert(wideFromProgram(windowText(c)));
    }
}

// The second process: started with the test's process id, its hook set before the constructor
// returns; stopped when the object goes.
class LiveRegionListener {
public:
    LiveRegionListener() {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        wchar_t file[MAX_PATH] = {};
        GetTempFileNameW(folder, L"trw", 0, file);
        output_ = file;
        const std::string id = std::to_string(GetCurrentProcessId());
        const std::string readyName = "tarnwick-listener-ready-" + id;
        const std::string stopName = "tarnwick-listener-stop-" + id;
        ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
        stop_ = CreateEventA(nullptr, TRUE, FALSE, stopName.c_str());
        wchar_t program[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        std::wstring listener = program;
        listener =
            listener.substr(0, listener.find_last_of(L'\\') + 1) + L"live_region_listener.exe";
        std::wstring command = L"\"" + listener + L"\" " + wideFromProgram(id) + L" " +
                               wideFromProgram(readyName) + L" " + wideFromProgram(stopName) +
                               L" \"" + output_ + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (CreateProcessW(listener.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &started)) {
            process_ = started.hProcess;
            CloseHandle(started.hThread);
            listening_ = WaitForSingleObject(ready_, 20000) == WAIT_OBJECT_0;
        }
    }
    ~LiveRegionListener() {
        SetEvent(stop_);
        if (process_ != nullptr && WaitForSingleObject(process_, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process_, 1);
        for (HANDLE handle : {process_, ready_, stop_})
            if (handle != nullptr)
                CloseHandle(handle);
        DeleteFileW(output_.c_str());
    }
    LiveRegionListener(const LiveRegionListener&) = delete;
    LiveRegionListener& operator=(const LiveRegionListener&) = delete;

    bool listening() const { return listening_; }
    // Every text heard so far, in order.
    std::vector<std::string> heard() const {
        std::ifstream in(programFromWide(output_), std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    bool hasHeard(std::size_t count) const {
        return waitUntil([&] { return heard().size() >= count; });
    }

private:
    std::wstring output_;
    HANDLE ready_ = nullptr;
    HANDLE stop_ = nullptr;
    HANDLE process_ = nullptr;
    bool listening_ = false;
};

class MainDialogAccessibility : public ::testing::Test {
protected:
    RecordingAnnotations given; // in place before the dialog starts
    ForwardingFileSystem fileSystem;
    NoShellDialogs shell;
    TestMainDialog dialog{fileSystem, shell};
    TempFolder temp;

    static bool statusBecomes(HWND window, const std::string& text) {
        return waitUntil([&] { return itemText(window, IDC_STATUS_TEXT) == text; });
    }
};

// The Main dialog, the Preview and the Confirm dialog, each as it opens; every name is taken
// back when its dialog ends. The digit count follows its label "using" and is named "digits".
TEST_F(MainDialogAccessibility, EveryFieldHasANameAndTheStatusTextIsALiveRegion) {
    temp.file("a.txt", "a");
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        expectEveryFieldNamed(w, given, {{IDC_DIGITS, "digits"}});
        EXPECT_TRUE(given.isLiveRegion(GetDlgItem(w, IDC_STATUS_TEXT)));
        typeOptions(w, temp.path(), "*.*", {});
        clickButton(w, IDC_PREVIEW);
        HWND preview = waitForWindow("Preview", thread);
        ASSERT_NE(preview, nullptr);
        expectEveryFieldNamed(preview, given);
        clickButton(preview, IDOK);
        HWND confirm = waitForWindow("Attention!", thread);
        ASSERT_NE(confirm, nullptr);
        expectEveryFieldNamed(confirm, given);
        clickButton(confirm, IDCANCEL);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(preview) && !IsWindow(confirm); }));
    });
    EXPECT_FALSE(given.anyLeft());
}

// A Rename and its undo, each heard once with its outcome; none of the step texts between.
TEST_F(MainDialogAccessibility, AScreenReaderHearsTheOutcomeOfEachCommandOnce) {
    temp.files({"a.txt", "b.txt"});
    const LiveRegionListener listener;
    ASSERT_TRUE(listener.listening());
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        typeOptions(w, temp.path(), "*.*", {{IDC_INSERT, {"x_"}}});
        onDialogThread(w, [&] { dialog.commands().state().warnBeforeRename = false; });
        clickButton(w, IDC_RENAME);
        ASSERT_TRUE(statusBecomes(w, "2 file(s) successfully renamed."));
        EXPECT_TRUE(listener.hasHeard(1));
        PostMessageA(w, WM_SYSCOMMAND, IDM_UNDO, 0);
        HWND box = waitForWindow("Tarnwick", thread);
        ASSERT_NE(box, nullptr);
        clickButton(box, IDYES);
        ASSERT_TRUE(statusBecomes(w, "2 file(s) renamed back."));
        EXPECT_TRUE(listener.hasHeard(2));
        Sleep(500); // one more would have been heard by now
    });
    EXPECT_EQ(listener.heard(), (std::vector<std::string>{"2 file(s) successfully renamed.",
                                                          "2 file(s) renamed back."}));
}

} // namespace
} // namespace tarnwick
