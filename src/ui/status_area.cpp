#include "status_area.h"

#include "accessibility.h"
#include "window_text.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>

namespace tarnwick {

namespace {

// The status area is repainted during a command at most this often.
constexpr DWORD repaintIntervalMs = 100;
// Paint messages taken at once at most: a window that does not validate its update region
// cannot hold the command up.
constexpr int paintsAtOnce = 64;

} // namespace

void StatusArea::discardQueuedInput() {
    MSG message;
    const UINT ranges[][2] = {
        {WM_KEYFIRST, WM_KEYLAST},
        {WM_MOUSEFIRST, WM_MOUSELAST},
        {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK},
    };
    for (const auto& range : ranges) {
        while (PeekMessageW(&message, nullptr, range[0], range[1], PM_REMOVE)) {
        }
    }
}

void StatusArea::attach(HWND stepLabel, HWND statusText, HWND progressBar) {
    stepLabel_ = stepLabel;
    statusText_ = statusText;
    progressBar_ = progressBar;
    progressMax_ = static_cast<int>(SendMessageW(progressBar_, PBM_GETRANGE, FALSE, 0));
}

void StatusArea::setStatusText(const std::string& text) {
    flushProgress();
    setWindowText(statusText_, text);
    keepAnswering();
}

void StatusArea::announceOutcome(const std::string& text) {
    setStatusText(text);
    announceChange(statusText_);
}

void StatusArea::setStepLabel(const std::string& text) {
    flushProgress();
    setWindowText(stepLabel_, text);
    keepAnswering();
}

void StatusArea::startProgress(std::size_t count, int step) {
    const int max = count > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(count);
    sendProgress(PBM_SETRANGE32, 0, max);
    progressMax_ = max;
    clearProgress();
    sendProgress(PBM_SETSTEP, static_cast<WPARAM>(step), 0);
    progressStep_ = step;
}

void StatusArea::clearProgress() {
    sendProgress(PBM_SETPOS, 0, 0);
}

// The bar repaints itself on every change, which costs more than the work on one file. A step
// that stays inside the range is therefore counted here and handed to the bar with the next
// repaint of the status area, or before anything else shows; a step beyond the range goes to
// the bar at once, which wraps it around.
void StatusArea::stepProgress() {
    const long long next = static_cast<long long>(progressPos_) + progressStep_;
    if (next < 0 || next > progressMax_) {
        sendProgress(PBM_STEPIT, 0, 0);
        return;
    }
    progressPos_ = static_cast<int>(next);
    progressPending_ = true;
    keepAnswering();
}

void StatusArea::flushProgress() {
    if (!progressPending_)
        return;
    progressPending_ = false;
    SendMessageW(progressBar_, PBM_SETPOS, static_cast<WPARAM>(progressPos_), 0);
}

void StatusArea::showWaitCursor() {
    waiting_ = true;
    cursorBeforeWait_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void StatusArea::restoreCursor() {
    waiting_ = false;
    SetCursor(cursorBeforeWait_ != nullptr ? cursorBeforeWait_ : LoadCursorW(nullptr, IDC_ARROW));
}

bool StatusArea::onSetCursor(LRESULT& result) {
    if (!waiting_)
        return false;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    result = TRUE;
    return true;
}

void StatusArea::sendProgress(UINT message, WPARAM wParam, LPARAM lParam) {
    flushProgress();
    SendMessageW(progressBar_, message, wParam, lParam);
    progressPos_ = static_cast<int>(SendMessageW(progressBar_, PBM_GETPOS, 0, 0));
    keepAnswering();
}

// A command runs inside a button handler, so the window's own loop does not run meanwhile.
// Windows knows two ways to take a window for hung, and then puts a ghost in its place that the
// user can close, which ends the process: it "has not called PeekMessage within the internal
// timeout period of 5 seconds" (IsHungAppWindow,
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-ishungappwindow), and "The
// operating system detects this state by attaching a timer to pending messages in the message
// queue. If a message has not been retrieved within 5 seconds, the DWM declares the window to be
// hung." ("Preventing Hangs in Windows Applications",
// https://learn.microsoft.com/windows/win32/win7appqual/preventing-hangs-in-windows-applications).
// Every 100 ms at most, the status area is therefore painted, every window of the thread that
// waits for it takes its WM_PAINT, PeekMessage delivers the messages sent to the thread, and the
// clicks and keys of the meantime are taken off the queue and dropped: none waits longer, and
// none starts anything or answers a question the command asks later. No other posted message is
// taken: the program posts none while a command works, and the dialogs' own stay for them.
void StatusArea::keepAnswering() {
    const DWORD now = GetTickCount();
    if (now - lastRepaint_ < repaintIntervalMs)
        return;
    lastRepaint_ = now;
    flushProgress();
    // A status area without its controls updates none: Wine takes UpdateWindow(nullptr) for the
    // desktop's, with every window on it.
    for (HWND control : {stepLabel_, statusText_, progressBar_})
        if (control != nullptr)
            UpdateWindow(control);
    MSG message;
    for (int paints = 0;
         paints < paintsAtOnce && PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE);
         ++paints)
        DispatchMessageW(&message);
    discardQueuedInput();
}

void StatusArea::wait(unsigned milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        keepAnswering();
        const auto slice = static_cast<DWORD>(std::min<ULONGLONG>(end - now, repaintIntervalMs));
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, slice, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
            MSG message;
            PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
        }
    }
    keepAnswering();
}

bool StatusArea::beginPrompt() {
    discardQueuedInput();
    flushProgress();
    const bool wasWaiting = waiting_;
    if (wasWaiting)
        restoreCursor();
    return wasWaiting;
}

void StatusArea::endPrompt(bool wasWaiting) {
    if (wasWaiting)
        showWaitCursor();
}

void StatusArea::runCommand(HWND window, const std::function<void()>& command) {
    if (commandRunning_)
        return;
    DragAcceptFiles(window, FALSE);
    commandRunning_ = true;
    showWaitCursor();
    // Whatever way the command ends, the cursor is the one before and the window takes drops and
    // input again.
    struct End {
        StatusArea& area;
        HWND window;
        ~End() {
            area.restoreCursor();
            area.commandRunning_ = false;
            DragAcceptFiles(window, TRUE);
            area.flushProgress();
            discardQueuedInput();
        }
    } end{*this, window};
    command();
}

} // namespace tarnwick
