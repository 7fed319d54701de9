#include "main_dialog.h"

#include "app/main_controls.h"
#include "core/paths.h"
#include "core/texts.h"
#include "res/resource.h"
#include "ui/about_dialog.h"
#include "ui/confirm_dialog.h"
#include "ui/dialog_init_data.h"
#include "ui/drop_choice.h"
#include "ui/dropped_files.h"
#include "ui/preview_dialog.h"
#include "win32/text_conversion.h"

#include <commctrl.h>

namespace tarnwick {

MainDialog::MainDialog(FileSystem& fileSystem, ShellDialogs& shellDialogs)
    : ModalDialog(IDD_MAIN, nullptr), commands_(*this, fileSystem), shellDialogs_(shellDialogs),
      largeIcon_(loadIcon(IDR_MAINFRAME, GetSystemMetrics(SM_CXICON))),
      smallIcon_(loadIcon(IDR_MAINFRAME, GetSystemMetrics(SM_CXSMICON))) {}

// ---- Initialisation ----

bool MainDialog::onInit() {
    addListItemsFromTemplate(hwnd(), IDD_MAIN);
    addToSystemMenu();
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    commands_.state() = RunState{};
    SendDlgItemMessageW(hwnd(), IDC_CASE_STYLE, CB_SETCURSEL, 0, 0);
    SendDlgItemMessageW(hwnd(), IDC_MODE_PATH, BM_SETCHECK, BST_CHECKED, 0);
    setUpSpins();
    for (const OptionFields& row : optionFields)
        enableFields(row, false);
    status_.attach(item(IDC_STEP_LABEL), item(IDC_STATUS_TEXT), item(IDC_PROGRESS));
    annotateForScreenReaders();
    DragAcceptFiles(hwnd(), TRUE);
    allowDropsFromLowerIntegrity();
    return true; // the focus goes to the first tab stop
}

// Run as administrator, the window would get no drop from Explorer: User Interface Privilege
// Isolation blocks the messages that a process of a lower integrity level sends. This window lets
// through exactly those of a drop: WM_DROPFILES, and WM_COPYDATA and WM_COPYGLOBALDATA (0x0049,
// named in no header), with which the dropped names are carried over. Per window, as the
// documentation of ChangeWindowMessageFilter advises against its process-wide filter:
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-changewindowmessagefilterex
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-changewindowmessagefilter
void MainDialog::allowDropsFromLowerIntegrity() {
    constexpr UINT copyGlobalData = 0x0049;
    for (const UINT message : {UINT{WM_DROPFILES}, UINT{WM_COPYDATA}, copyGlobalData})
        ChangeWindowMessageFilterEx(hwnd(), message, MSGFLT_ALLOW, nullptr);
}

void MainDialog::addToSystemMenu() {
    const HMENU menu = GetSystemMenu(hwnd(), FALSE);
    if (menu == nullptr)
        return;
    wchar_t entry[256] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, entry, 256) <= 0)
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, entry);
    AppendMenuW(menu, MF_STRING | MF_GRAYED, IDM_UNDO,
                wideFromProgram(texts::undoMenuEntry).c_str());
}

void MainDialog::updateUndoEntry() {
    const HMENU menu = GetSystemMenu(hwnd(), FALSE);
    if (menu != nullptr)
        EnableMenuItem(menu, IDM_UNDO,
                       MF_BYCOMMAND | (commands_.canUndo() ? MF_ENABLED : MF_GRAYED));
}

void MainDialog::setUpSpins() {
    SendDlgItemMessageW(hwnd(), IDC_SPIN_INSERT, UDM_SETRANGE, 0, MAKELPARAM(maxNameLength, 0));
    // The start number goes as high as an up-down control counts (UD_MAXVAL, 32767).
    SendDlgItemMessageW(hwnd(), IDC_SPIN_START, UDM_SETRANGE, 0, MAKELPARAM(UD_MAXVAL, 0));
    SendDlgItemMessageW(hwnd(), IDC_SPIN_DIGITS, UDM_SETRANGE, 0, MAKELPARAM(maxNameLength, 1));
    SendDlgItemMessageW(hwnd(), IDC_SPIN_DIGITS, UDM_SETPOS, 0, MAKELPARAM(1, 0));
}

void MainDialog::annotateForScreenReaders() {
    annotations_.nameFields(hwnd(), fieldCaptions);
    annotations_.makeLiveRegion(hwnd(), IDC_STATUS_TEXT);
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
    case IDC_PREVIEW: return runCommand(&Commands::runPreview);
    case IDC_RENAME: return runCommand(&Commands::runRename);
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
    case WM_DROPFILES: return onDropFiles(reinterpret_cast<HDROP>(wParam));
    case WM_QUERYENDSESSION: return status_.onQueryEndSession(result);
    case WM_ENDSESSION: return status_.onEndSession(wParam != FALSE);
    default: return false;
    }
}

bool MainDialog::onTargetMode(bool folderMode) {
    EnableWindow(item(IDC_SUBDIRS), folderMode ? TRUE : FALSE);
    return true;
}

// The flag follows the box; choosing separate files disables the box but keeps the flag.
bool MainDialog::onSubdirs() {
    commands_.state().includeSubdirs = isChecked(IDC_SUBDIRS);
    return true;
}

// The box has already toggled itself; its state switches its fields.
bool MainDialog::onOptionBox(int boxId) {
    for (const OptionFields& row : optionFields)
        if (row.box == boxId)
            enableFields(row, isChecked(boxId));
    return true;
}

void MainDialog::enableFields(const OptionFields& row, bool on) {
    for (int field : row.fields)
        if (field != 0)
            EnableWindow(item(field), on ? TRUE : FALSE);
}

// Pressing a Browse button switches the radio buttons, even when the user then cancels.
bool MainDialog::onBrowsePath() {
    selectMode(true);
    std::string chosen;
    if (shellDialogs_.browseFolder(commands_.state().targetFolder, chosen))
        takeFolder(chosen);
    return true;
}

bool MainDialog::onBrowseFiles() {
    selectMode(false);
    std::string folder;
    std::vector<std::string> names;
    if (shellDialogs_.chooseFiles(hwnd(), folder, names))
        takeFiles(folder, names);
    return true;
}

void MainDialog::selectMode(bool folderMode) {
    setChecked(IDC_MODE_PATH, folderMode);
    setChecked(IDC_MODE_LIST, !folderMode);
}

void MainDialog::takeFolder(const std::string& folder) {
    RunState& state = commands_.state();
    state.targetFolder = withClosingBackslash(folder);
    setItemText(IDC_PATH_NAME, state.targetFolder);
    setItemText(IDC_FILE_LIST, "*.*");
    state.previewReady = false;
    EnableWindow(item(IDC_SUBDIRS), TRUE);
}

void MainDialog::takeFiles(const std::string& folder, const std::vector<std::string>& names) {
    commands_.clearFileList();
    RunState& state = commands_.state();
    state.targetFolder = withClosingBackslash(folder);
    setItemText(IDC_FILE_LIST, joinNameList(names));
    setItemText(IDC_PATH_NAME, state.targetFolder);
    state.previewReady = false;
    EnableWindow(item(IDC_SUBDIRS), FALSE);
}

bool MainDialog::runCommand(void (Commands::*command)()) {
    // The system menu is up to date before the window answers anyone again.
    status_.runCommand(hwnd(), [&] {
        (commands_.*command)();
        updateUndoEntry();
    });
    return true;
}

bool MainDialog::onAbout() {
    AboutDialog(hwnd()).run();
    return true;
}

// ---- Message handlers ----

bool MainDialog::onSysCommand(WPARAM command) {
    switch (command & 0xFFF0) {
    case IDM_ABOUTBOX: return onAbout();
    case IDM_UNDO: return runCommand(&Commands::runUndo); // nothing to undo: nothing happens
    default: return false;                                // the default handling
    }
}

// A drop does what the Browse buttons do with the same choice; it starts no command.
bool MainDialog::onDropFiles(HDROP drop) {
    const DroppedFiles dropped(drop);
    if (status_.commandRunning())
        return true;
    const DropChoice target = classifyDrop(droppedItems(dropped.get()));
    switch (target.kind) {
    case DropChoice::Kind::folder:
        selectMode(true);
        takeFolder(target.folder);
        break;
    case DropChoice::Kind::files:
        selectMode(false);
        takeFiles(target.folder, target.names);
        break;
    case DropChoice::Kind::nothing: setStatusText(texts::dropHint); break;
    }
    return true;
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
    options.maskOrList = itemText(IDC_FILE_LIST);
    options.includeSubdirs = commands_.state().includeSubdirs;
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
        static_cast<int>(SendDlgItemMessageW(hwnd(), IDC_CASE_STYLE, CB_GETCURSEL, 0, 0));
    return options;
}

void MainDialog::showError(const std::string& text, const std::string& caption) {
    const Prompt prompt(*this);
    MessageBoxW(hwnd(), wideFromProgram(text).c_str(), wideFromProgram(caption).c_str(),
                MB_OK | MB_ICONERROR);
}

void MainDialog::setFieldText(Field field, const std::string& text) {
    setItemText(controlOf(field), text);
    UpdateWindow(item(controlOf(field)));
}

// Through the dialog manager, which unlike SetFocus selects the field's whole text, ready to be
// typed over, and moves the default button's border. Posted, as its documentation asks, since the
// closing message box's own focus messages may still come:
// https://learn.microsoft.com/windows/win32/dlgbox/wm-nextdlgctl
void MainDialog::focusField(Field field) {
    PostMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(controlOf(field))), TRUE);
}

bool MainDialog::runPreviewDialog(const FileList& files) {
    const Prompt prompt(*this);
    return PreviewDialog(hwnd(), files, [this] { status_.keepAnswering(); }).run() == IDOK;
}

bool MainDialog::askYesNo(const std::string& text, const std::string& caption) {
    const Prompt prompt(*this);
    return MessageBoxW(hwnd(), wideFromProgram(text).c_str(), wideFromProgram(caption).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

ConfirmAnswer MainDialog::runConfirmDialog() {
    const Prompt prompt(*this);
    ConfirmDialog dialog(hwnd());
    const INT_PTR result = dialog.run();
    return ConfirmAnswer{result == IDOK, dialog.dontWarnAgain()};
}

} // namespace tarnwick
