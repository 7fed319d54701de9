#include "main_dialog.h"

#include "core/texts.h"
#include "res/resource.h"
#include "ui/about_dialog.h"
#include "ui/confirm_dialog.h"
#include "ui/dialog_init_data.h"
#include "ui/preview_dialog.h"

#include <commctrl.h>

#include <vector>

namespace tarnwick {

namespace {

// The fields each option check box switches on and off; zero ends a row.
struct OptionFields {
    int box;
    int fields[3];
};

constexpr OptionFields optionFields[] = {
    {IDC_FOLDER_PREFIX, {IDC_SEPARATOR}},
    {IDC_REPLACE, {IDC_REPLACE_FIND, IDC_REPLACE_WITH, IDC_FIRST_ONLY}},
    {IDC_SWAP, {IDC_SWAP_PIVOT}},
    {IDC_ERASE, {IDC_ERASE_UNTIL}},
    {IDC_CASE, {IDC_CASE_STYLE}},
    {IDC_INSERT, {IDC_INSERT_TEXT, IDC_INSERT_POS}},
    {IDC_NUMERATE, {IDC_START_NUMBER, IDC_DIGITS}},
};

// The control of each field the engine fills or focuses.
int controlOf(Field field) {
    switch (field) {
    case Field::pathName: return IDC_PATH_NAME;
    case Field::fileList: return IDC_FILE_LIST;
    case Field::separator: return IDC_SEPARATOR;
    case Field::replaceFind: return IDC_REPLACE_FIND;
    case Field::replaceWith: return IDC_REPLACE_WITH;
    case Field::swapPivot: return IDC_SWAP_PIVOT;
    case Field::insertText: return IDC_INSERT_TEXT;
    case Field::eraseUntil: return IDC_ERASE_UNTIL;
    case Field::digits: return IDC_DIGITS;
    }
    return 0;
}

// The fields disabled at start, in the order they are disabled.
constexpr int fieldsOffAtStart[] = {
    IDC_DIGITS,       IDC_START_NUMBER, IDC_CASE_STYLE, IDC_ERASE_UNTIL,
    IDC_INSERT_POS,   IDC_INSERT_TEXT,  IDC_SWAP_PIVOT, IDC_REPLACE_WITH,
    IDC_REPLACE_FIND, IDC_SEPARATOR,    IDC_FIRST_ONLY,
};

std::string withClosingBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder;
}

std::string joinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        if (!joined.empty())
            joined += ':';
        joined += name;
    }
    return joined;
}

} // namespace

MainDialog::MainDialog(FileSystem& fileSystem, ShellDialogs& shellDialogs)
    : ModalDialog(IDD_MAIN, nullptr), pipeline_(*this, fileSystem), shellDialogs_(shellDialogs),
      largeIcon_(IDR_MAINFRAME, GetSystemMetrics(SM_CXICON)),
      smallIcon_(IDR_MAINFRAME, GetSystemMetrics(SM_CXSMICON)) {}

// ---- Initialisation ----

bool MainDialog::onInit() {
    addListItemsFromTemplate(hwnd(), IDD_MAIN);
    addAboutToSystemMenu();
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    RunState& state = pipeline_.state();
    state.includeSubdirs = false;
    state.warnBeforeRename = true;
    state.previewReady = false;
    SendDlgItemMessageA(hwnd(), IDC_CASE_STYLE, CB_SETCURSEL, 0, 0);
    SendDlgItemMessageA(hwnd(), IDC_MODE_PATH, BM_SETCHECK, BST_CHECKED, 0);
    setUpSpins();
    for (int id : fieldsOffAtStart)
        EnableWindow(item(id), FALSE);
    status_.attach(item(IDC_STEP_LABEL), item(IDC_STATUS_TEXT), item(IDC_PROGRESS));
    return true; // the focus goes to the first tab stop
}

void MainDialog::addAboutToSystemMenu() {
    const HMENU menu = GetSystemMenu(hwnd(), FALSE);
    if (menu == nullptr)
        return;
    char entry[256] = {};
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, entry, sizeof entry) <= 0)
        return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, entry);
}

void MainDialog::setUpSpins() {
    SendDlgItemMessageA(hwnd(), IDC_SPIN_INSERT, UDM_SETRANGE, 0, MAKELPARAM(maxNameLength, 0));
    SendDlgItemMessageA(hwnd(), IDC_SPIN_START, UDM_SETRANGE, 0, MAKELPARAM(32767, 0));
    SendDlgItemMessageA(hwnd(), IDC_SPIN_DIGITS, UDM_SETRANGE, 0, MAKELPARAM(maxNameLength, 1));
    SendDlgItemMessageA(hwnd(), IDC_SPIN_DIGITS, UDM_SETPOS, 0, MAKELPARAM(1, 0));
}

// ---- Messages ----

bool MainDialog::onButtonClicked(int id) {
    switch (id) {
    case IDC_MODE_PATH: return onTargetMode(true);
    case IDC_MODE_LIST: return onTargetMode(false);
    case IDC_SUBDIRS: return onSubdirs();
    case IDC_FOLDER_PREFIX:
    case IDC_REPLACE:
    case IDC_SWAP:
    case IDC_ERASE:
    case IDC_CASE:
    case IDC_INSERT:
    case IDC_NUMERATE: return onOptionBox(id);
    case IDC_BROWSE_PATH: return onBrowsePath();
    case IDC_BROWSE_FILES: return onBrowseFiles();
    case IDC_PREVIEW: return runCommand(&RunPipeline::runPreview);
    case IDC_RENAME: return runCommand(&RunPipeline::runRename);
    case IDC_ABOUT: return onAbout();
    default: return ModalDialog::onButtonClicked(id); // Exit, Enter, Escape, close box
    }
}

bool MainDialog::onMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
    case WM_SYSCOMMAND: return onSysCommand(wParam);
    case WM_PAINT: return paintMinimised(hwnd(), largeIcon_.get());
    case WM_QUERYDRAGICON: return onQueryDragIcon(result);
    case WM_SETCURSOR: return status_.onSetCursor(result);
    default: return false;
    }
}

// ---- Button handlers ----

bool MainDialog::onTargetMode(bool folderMode) {
    EnableWindow(item(IDC_SUBDIRS), folderMode ? TRUE : FALSE);
    return true;
}

// The flag follows the box; choosing separate files disables the box but keeps the flag.
bool MainDialog::onSubdirs() {
    pipeline_.state().includeSubdirs = isChecked(IDC_SUBDIRS);
    return true;
}

// The box has already toggled itself; its state switches its fields.
bool MainDialog::onOptionBox(int boxId) {
    const BOOL state = isChecked(boxId) ? TRUE : FALSE;
    for (const OptionFields& row : optionFields) {
        if (row.box != boxId)
            continue;
        for (int field : row.fields) {
            if (field != 0)
                EnableWindow(item(field), state);
        }
    }
    return true;
}

bool MainDialog::onBrowsePath() {
    setChecked(IDC_MODE_PATH, true);
    setChecked(IDC_MODE_LIST, false);
    RunState& state = pipeline_.state();
    std::string chosen;
    if (!shellDialogs_.browseFolder(state.targetFolder, chosen))
        return true;
    state.targetFolder = withClosingBackslash(chosen);
    setItemText(IDC_PATH_NAME, state.targetFolder);
    setItemText(IDC_FILE_LIST, "*.*");
    state.previewReady = false;
    EnableWindow(item(IDC_SUBDIRS), TRUE);
    return true;
}

bool MainDialog::onBrowseFiles() {
    setChecked(IDC_MODE_LIST, true);
    setChecked(IDC_MODE_PATH, false);
    std::string folder;
    std::vector<std::string> names;
    if (!shellDialogs_.chooseFiles(hwnd(), folder, names))
        return true;
    pipeline_.clearFileList();
    RunState& state = pipeline_.state();
    state.targetFolder = withClosingBackslash(folder);
    setItemText(IDC_FILE_LIST, joinNames(names));
    setItemText(IDC_PATH_NAME, state.targetFolder);
    state.previewReady = false;
    EnableWindow(item(IDC_SUBDIRS), FALSE);
    return true;
}

// A command runs to its end inside the click; its last steps reach the bar before the dialog
// waits for the user again.
bool MainDialog::runCommand(void (RunPipeline::*command)()) {
    (pipeline_.*command)();
    status_.flushProgress();
    return true;
}

bool MainDialog::onAbout() {
    AboutDialog(hwnd()).run();
    return true;
}

// ---- Message handlers ----

bool MainDialog::onSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != IDM_ABOUTBOX)
        return false; // the default handling
    return onAbout();
}

bool MainDialog::onQueryDragIcon(LRESULT& result) {
    result = reinterpret_cast<LRESULT>(largeIcon_.get());
    return true;
}

// ---- The window for the engine ----

Options MainDialog::readOptions() {
    Options options;
    options.targetMode = isChecked(IDC_MODE_PATH) ? TargetMode::folderMode : TargetMode::listMode;
    options.pathSpec = itemText(IDC_PATH_NAME);
    options.fileListText = itemText(IDC_FILE_LIST);
    options.includeSubdirs = pipeline_.state().includeSubdirs;
    options.numerate = isChecked(IDC_NUMERATE);
    options.startNumber = parseNumberField(itemText(IDC_START_NUMBER));
    options.digitCount = parseNumberField(itemText(IDC_DIGITS));
    options.folderPrefix = isChecked(IDC_FOLDER_PREFIX);
    options.separator = itemText(IDC_SEPARATOR);
    options.replaceOn = isChecked(IDC_REPLACE);
    options.replaceFind = itemText(IDC_REPLACE_FIND);
    options.replaceWith = itemText(IDC_REPLACE_WITH);
    options.replaceFirstOnly = isChecked(IDC_FIRST_ONLY);
    options.swapOn = isChecked(IDC_SWAP);
    options.swapPivot = itemText(IDC_SWAP_PIVOT);
    options.insertOn = isChecked(IDC_INSERT);
    options.insertText = itemText(IDC_INSERT_TEXT);
    options.insertPosition = parseNumberField(itemText(IDC_INSERT_POS));
    options.eraseOn = isChecked(IDC_ERASE);
    options.eraseUntil = itemText(IDC_ERASE_UNTIL);
    options.caseOn = isChecked(IDC_CASE);
    options.caseStyle =
        static_cast<int>(SendDlgItemMessageA(hwnd(), IDC_CASE_STYLE, CB_GETCURSEL, 0, 0));
    return options;
}

// The user is asked something: the normal cursor while the box is open, the wait cursor again
// when the command goes on.
void MainDialog::showError(const std::string& text, const std::string& caption) {
    status_.flushProgress();
    const bool wasWaiting = status_.waiting();
    if (wasWaiting)
        restoreCursor();
    MessageBoxA(hwnd(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
    if (wasWaiting)
        showWaitCursor();
}

void MainDialog::setFieldText(Field field, const std::string& text) {
    setItemText(controlOf(field), text);
    UpdateWindow(item(controlOf(field)));
}

void MainDialog::focusField(Field field) {
    SetFocus(item(controlOf(field)));
}

bool MainDialog::runPreviewDialog(const FileList& files) {
    status_.flushProgress();
    return PreviewDialog(hwnd(), files).run() == IDOK;
}

ConfirmAnswer MainDialog::runConfirmDialog() {
    status_.flushProgress();
    ConfirmDialog dialog(hwnd());
    const INT_PTR result = dialog.run();
    return ConfirmAnswer{result == IDOK, dialog.dontWarnAgain()};
}

} // namespace tarnwick
