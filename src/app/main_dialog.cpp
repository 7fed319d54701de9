#include "main_dialog.h"

#include "core/texts.h"
#include "res/resource.h"
#include "ui/about_dialog.h"
#include "ui/confirm_dialog.h"
#include "ui/preview_dialog.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace tarnwick {

namespace {

// The resource type of dialog initialisation data: the items of the template's list controls.
constexpr WORD dialogInitType = 240;
// The add-string messages as that data names them.
constexpr WORD listBoxAddString = 0x0401;
constexpr WORD comboBoxAddString = 0x0403;

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

// The status area is repainted during a command at most this often.
constexpr DWORD repaintIntervalMs = 100;

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

class PaintContext {
public:
    explicit PaintContext(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~PaintContext() { EndPaint(hwnd_, &paint_); }
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

} // namespace

OwnedIcon::OwnedIcon(int resourceId, int size)
    : icon_(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId),
                                          IMAGE_ICON, size, size, LR_DEFAULTCOLOR))) {}

OwnedIcon::~OwnedIcon() {
    if (icon_ != nullptr)
        DestroyIcon(icon_);
}

MainDialog::MainDialog(FileSystem& fileSystem, ShellDialogs& shellDialogs)
    : ModalDialog(IDD_MAIN, nullptr), pipeline_(*this, fileSystem), shellDialogs_(shellDialogs),
      largeIcon_(IDR_MAINFRAME, GetSystemMetrics(SM_CXICON)),
      smallIcon_(IDR_MAINFRAME, GetSystemMetrics(SM_CXSMICON)) {}

// ---- Initialisation ----

bool MainDialog::onInit() {
    fillListsFromTemplate();
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
    disableOptionFields();
    // The bar's own start range, for counting steps (the commands set their own).
    progressMax_ =
        static_cast<int>(SendDlgItemMessageA(hwnd(), IDC_PROGRESS, PBM_GETRANGE, FALSE, 0));
    return true; // the focus goes to the first tab stop
}

// The template carries the items of its list controls as dialog initialisation data: records of
// control id, add-string message, byte count and the text with its terminator, ended by a zero.
void MainDialog::fillListsFromTemplate() {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found =
        FindResourceA(module, MAKEINTRESOURCEA(IDD_MAIN), MAKEINTRESOURCEA(dialogInitType));
    if (found == nullptr)
        return;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    if (data == nullptr)
        return;
    DWORD at = 0;
    while (at + 8 <= size) {
        WORD id = 0;
        WORD message = 0;
        DWORD length = 0;
        std::memcpy(&id, data + at, sizeof id);
        std::memcpy(&message, data + at + 2, sizeof message);
        std::memcpy(&length, data + at + 4, sizeof length);
        at += 8;
        if (id == 0 || length == 0 || length > size - at || data[at + length - 1] != 0)
            return;
        const auto text = reinterpret_cast<LPARAM>(data + at);
        if (message == comboBoxAddString)
            SendDlgItemMessageA(hwnd(), id, CB_ADDSTRING, 0, text);
        else if (message == listBoxAddString)
            SendDlgItemMessageA(hwnd(), id, LB_ADDSTRING, 0, text);
        at += length;
    }
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

void MainDialog::disableOptionFields() {
    for (int id : fieldsOffAtStart)
        EnableWindow(item(id), FALSE);
}

// ---- Messages ----

bool MainDialog::onCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED)
        return false;
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
    case IDC_PREVIEW: return onPreview();
    case IDC_RENAME: return onRename();
    case IDC_ABOUT: return onAbout();
    default: return ModalDialog::onCommand(id, notifyCode); // Exit, Enter, Escape, close box
    }
}

bool MainDialog::onMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    switch (message) {
    case WM_SYSCOMMAND: return onSysCommand(wParam);
    case WM_PAINT: return onPaint();
    case WM_QUERYDRAGICON: return onQueryDragIcon(result);
    case WM_SETCURSOR: return onSetCursor(result);
    default: return false;
    }
}

// ---- Command handlers ----

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
    setText(IDC_PATH_NAME, state.targetFolder);
    setText(IDC_FILE_LIST, "*.*");
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
    setText(IDC_FILE_LIST, joinNames(names));
    setText(IDC_PATH_NAME, state.targetFolder);
    state.previewReady = false;
    EnableWindow(item(IDC_SUBDIRS), FALSE);
    return true;
}

bool MainDialog::onPreview() {
    pipeline_.runPreview();
    flushProgress();
    return true;
}

bool MainDialog::onRename() {
    pipeline_.runRename();
    flushProgress();
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

// Minimised, the window shows its icon centred in the client area.
bool MainDialog::onPaint() {
    if (!IsIconic(hwnd()))
        return false;
    PaintContext paint(hwnd());
    SendMessageA(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.dc()), 0);
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(paint.dc(), x, y, largeIcon_.get());
    return true;
}

bool MainDialog::onQueryDragIcon(INT_PTR& result) {
    result = reinterpret_cast<INT_PTR>(largeIcon_.get());
    return true;
}

// While a command works the wait cursor stays, whatever the controls under the mouse want.
bool MainDialog::onSetCursor(INT_PTR& result) {
    if (!waiting_)
        return false;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    SetWindowLongPtrA(hwnd(), DWLP_MSGRESULT, TRUE);
    result = TRUE;
    return true;
}

// ---- The window for the engine ----

Options MainDialog::readOptions() {
    Options options;
    options.targetMode = isChecked(IDC_MODE_PATH) ? TargetMode::folderMode : TargetMode::listMode;
    options.pathSpec = text(IDC_PATH_NAME);
    options.fileListText = text(IDC_FILE_LIST);
    options.includeSubdirs = pipeline_.state().includeSubdirs;
    options.numerate = isChecked(IDC_NUMERATE);
    options.startNumber = parseNumberField(text(IDC_START_NUMBER));
    options.digitCount = parseNumberField(text(IDC_DIGITS));
    options.folderPrefix = isChecked(IDC_FOLDER_PREFIX);
    options.separator = text(IDC_SEPARATOR);
    options.replaceOn = isChecked(IDC_REPLACE);
    options.replaceFind = text(IDC_REPLACE_FIND);
    options.replaceWith = text(IDC_REPLACE_WITH);
    options.replaceFirstOnly = isChecked(IDC_FIRST_ONLY);
    options.swapOn = isChecked(IDC_SWAP);
    options.swapPivot = text(IDC_SWAP_PIVOT);
    options.insertOn = isChecked(IDC_INSERT);
    options.insertText = text(IDC_INSERT_TEXT);
    options.insertPosition = parseNumberField(text(IDC_INSERT_POS));
    options.eraseOn = isChecked(IDC_ERASE);
    options.eraseUntil = text(IDC_ERASE_UNTIL);
    options.caseOn = isChecked(IDC_CASE);
    options.caseStyle =
        static_cast<int>(SendDlgItemMessageA(hwnd(), IDC_CASE_STYLE, CB_GETCURSEL, 0, 0));
    return options;
}

// The user is asked something: the normal cursor while the box is open, the wait cursor again
// when the command goes on.
void MainDialog::showError(const std::string& text, const std::string& caption) {
    flushProgress();
    const bool wasWaiting = waiting_;
    if (wasWaiting)
        restoreCursor();
    MessageBoxA(hwnd(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
    if (wasWaiting)
        showWaitCursor();
}

void MainDialog::setFieldText(Field field, const std::string& text) {
    setText(controlOf(field), text);
    UpdateWindow(item(controlOf(field)));
}

void MainDialog::focusField(Field field) {
    SetFocus(item(controlOf(field)));
}

void MainDialog::setStatusText(const std::string& text) {
    flushProgress();
    setText(IDC_STATUS_TEXT, text);
    keepStatusVisible();
}

void MainDialog::setStepLabel(const std::string& text) {
    flushProgress();
    setText(IDC_STEP_LABEL, text);
    keepStatusVisible();
}

void MainDialog::setProgressRange(int max) {
    sendProgress(PBM_SETRANGE32, 0, max);
    progressMax_ = max;
}

void MainDialog::setProgressPos(int pos) {
    sendProgress(PBM_SETPOS, static_cast<WPARAM>(pos), 0);
}

void MainDialog::setProgressStep(int step) {
    sendProgress(PBM_SETSTEP, static_cast<WPARAM>(step), 0);
    progressStep_ = step;
}

// The bar repaints itself on every change, which costs more than the work on one file. A step
// that stays inside the range is therefore counted here and handed to the bar with the next
// repaint of the status area, or before anything else shows; a step beyond the range goes to
// the bar at once, which wraps it around.
void MainDialog::stepProgress() {
    const long long next = static_cast<long long>(progressPos_) + progressStep_;
    if (next < 0 || next > progressMax_) {
        sendProgress(PBM_STEPIT, 0, 0);
        return;
    }
    progressPos_ = static_cast<int>(next);
    progressPending_ = true;
    keepStatusVisible();
}

void MainDialog::flushProgress() {
    if (!progressPending_)
        return;
    progressPending_ = false;
    SendDlgItemMessageA(hwnd(), IDC_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(progressPos_), 0);
}

void MainDialog::showWaitCursor() {
    waiting_ = true;
    cursorBeforeWait_ = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void MainDialog::restoreCursor() {
    waiting_ = false;
    SetCursor(cursorBeforeWait_ != nullptr ? cursorBeforeWait_ : LoadCursorA(nullptr, IDC_ARROW));
}

bool MainDialog::runPreviewDialog(const FileList& files) {
    flushProgress();
    return PreviewDialog(hwnd(), files).run() == IDOK;
}

ConfirmAnswer MainDialog::runConfirmDialog() {
    flushProgress();
    ConfirmDialog dialog(hwnd());
    const INT_PTR result = dialog.run();
    return ConfirmAnswer{result == IDOK, dialog.dontWarnAgain()};
}

// ---- Helpers ----

std::string MainDialog::text(int id) const {
    const HWND control = item(id);
    const int length = GetWindowTextLengthA(control);
    std::string result(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(control, &result[0], length + 1);
    result.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return result;
}

void MainDialog::setText(int id, const std::string& text) {
    SetWindowTextA(item(id), text.c_str());
}

void MainDialog::sendProgress(UINT message, WPARAM wParam, LPARAM lParam) {
    flushProgress();
    SendDlgItemMessageA(hwnd(), IDC_PROGRESS, message, wParam, lParam);
    progressPos_ = static_cast<int>(SendDlgItemMessageA(hwnd(), IDC_PROGRESS, PBM_GETPOS, 0, 0));
    keepStatusVisible();
}

// A command runs inside a button handler, so the dialog's own loop does not paint meanwhile.
// Paint the status area now and then, and look at the queue without taking anything from it, so
// that the system does not take the window for hung. No input is dispatched.
void MainDialog::keepStatusVisible() {
    const DWORD now = GetTickCount();
    if (now - lastRepaint_ < repaintIntervalMs)
        return;
    lastRepaint_ = now;
    flushProgress();
    for (int id : {IDC_STEP_LABEL, IDC_STATUS_TEXT, IDC_PROGRESS})
        UpdateWindow(item(id));
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
}

} // namespace tarnwick
