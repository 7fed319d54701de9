#include "status_area.h"

#include "window_text.h"

#include <commctrl.h>
#include <shellapi.h>

#include <climits>

namespace tarnwick {

namespace {

// Removes the mouse and keyboard input waiting in the thread's queue.
void discardQueuedInput() {
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

// The status area is repainted during a command at most this often.
constexpr DWORD repaintIntervalMs = 100;

} // namespace

void StatusArea::attach(HWND stepLabel, HWND statusText, HWND progressBar) {
    stepLabel_ = stepLabel;
    statusText_ = statusText;
    progressBar_ = progressBar;
    progressMax_ = static_cast<int>(SendMessageW(progressBar_, PBM_GETRANGE, FALSE, 0));
}

void StatusArea::setStatusText(const std::string& text) {
    flushProgress();
    setWindowText(statusText_, text);
    keepVisible();
}

void StatusArea::setStepLabel(const std::string& text) {
    flushProgress();
    setWindowText(stepLabel_, text);
    keepVisible();
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
    keepVisible();
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
    keepVisible();
}

// A command runs inside a button handler, so the window's own loop does not paint meanwhile.
// Paint the status area now and then, and look at the queue without taking anything from it, so
// that the system does not take the window for hung. No input is dispatched.
void StatusArea::keepVisible() {
    const DWORD now = GetTickCount();
    if (now - lastRepaint_ < repaintIntervalMs)
        return;
    lastRepaint_ = now;
    flushProgress();
    for (HWND control : {stepLabel_, statusText_, progressBar_})
        UpdateWindow(control);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
}

bool StatusArea::promptBegins() {
    flushProgress();
    const bool wasWaiting = waiting_;
    if (wasWaiting)
        restoreCursor();
    return wasWaiting;
}

void StatusArea::promptEnds(bool wasWaiting) {
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
