#include "status_area.h"

#include "accessibility.h"
#include "window_text.h"

#include "core/texts.h"
#include "win32/text_conversion.h"
#include "win32/windows_rules.h"

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

static_assert(message::buttonClick == BM_CLICK);
static_assert(message::keyFirst == WM_KEYFIRST && message::keyLast == WM_KEYLAST);
static_assert(message::mouseFirst == WM_MOUSEFIRST && message::mouseLast == WM_MOUSELAST);
static_assert(message::ncMouseFirst == WM_NCMOUSEMOVE &&
              message::ncMouseLast == WM_NCXBUTTONDBLCLK);
static_assert(message::touch == WM_TOUCH && message::gesture == WM_GESTURE);
static_assert(message::pointerLast == 0x0253); // WM_POINTERROUTEDRELEASED, beyond this SDK

// A WM_QUIT that a filtered PeekMessage took: "PeekMessage always retrieves WM_QUIT messages, no
// matter which values you specify for wMsgFilterMin and wMsgFilterMax"
// (https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-peekmessagew). It is held
// while a command works and posted again when it ends, so that the window's own loop ends.
struct HeldQuit {
    bool held = false;
    int exitCode = 0;
    bool commandRunning = false;
};
thread_local HeldQuit heldQuit;

// Takes the next message of the range off the queue; false when none waits. A WM_QUIT is held.
bool takeMessage(MSG& message, UINT first, UINT last) {
    if (!PeekMessageW(&message, nullptr, first, last, PM_REMOVE))
        return false;
    if (message.message == WM_QUIT) {
        heldQuit.held = true;
        heldQuit.exitCode = static_cast<int>(message.wParam);
    }
    return true;
}

// "Do not post the WM_QUIT message using the PostMessage function; use PostQuitMessage"
// (https://learn.microsoft.com/windows/win32/winmsg/wm-quit), which gives it the exit code again.
void postHeldQuit() {
    if (heldQuit.held && !heldQuit.commandRunning) {
        heldQuit.held = false;
        PostQuitMessage(heldQuit.exitCode);
    }
}

// A message of the meantime taken off the queue is dropped; the handles of touch and gesture
// input are closed, as a program must that does not pass them on
// (https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-closetouchinputhandle,
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-closegestureinfohandle).
void drop(const MSG& message) {
    if (message.message == WM_TOUCH)
        CloseTouchInputHandle(reinterpret_cast<HTOUCHINPUT>(message.lParam));
    else if (message.message == WM_GESTURE)
        CloseGestureInfoHandle(reinterpret_cast<HGESTUREINFO>(message.lParam));
}

} // namespace

void StatusArea::discardQueuedInput() {
    MSG message;
    for (const MessageRange& range : meantimeInput)
        while (takeMessage(message, range.first, range.last))
            drop(message);
    postHeldQuit();
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
// input of the meantime (clicks, keys, taps, a tool's click on a button) is taken off the queue
// and dropped: none waits longer, and none starts anything or answers a question the command asks
// later. No other posted message is taken (a WM_QUIT is held): the program posts none while a
// command works, and the dialogs' own stay for them.
void StatusArea::keepAnswering() {
    const DWORD now = GetTickCount();
    if (now - lastRepaint_ < repaintIntervalMs)
        return;
    lastRepaint_ = now;
    repaint();
    MSG message;
    for (int paints = 0; paints < paintsAtOnce && takeMessage(message, WM_PAINT, WM_PAINT);
         ++paints)
        if (message.message == WM_PAINT)
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

// Between the two steps of a rename nothing may come, not even the end of the session: any
// PeekMessage would deliver the messages sent to the thread, WM_ENDSESSION among them, so the
// status area is repainted directly and the time passes without one. It is at most a file's
// second, well within the five seconds after which a window is taken for hung.
void StatusArea::waitHoldingMessages(unsigned milliseconds) {
    repaint();
    Sleep(milliseconds);
}

void StatusArea::repaint() {
    flushProgress();
    // A status area without its controls updates none: Wine takes UpdateWindow(nullptr) for the
    // desktop's, with every window on it.
    for (HWND control : {stepLabel_, statusText_, progressBar_})
        if (control != nullptr)
            UpdateWindow(control);
}

bool StatusArea::beginPrompt() {
    ++prompts_;
    discardQueuedInput();
    flushProgress();
    const bool wasWaiting = waiting_;
    if (wasWaiting)
        restoreCursor();
    return wasWaiting;
}

void StatusArea::endPrompt(bool wasWaiting) {
    --prompts_;
    if (wasWaiting)
        showWaitCursor();
}

// "If an application must block or postpone system shutdown, use the
// ShutdownBlockReasonCreate function" (WM_QUERYENDSESSION,
// https://learn.microsoft.com/windows/win32/shutdown/wm-queryendsession): the reason is shown to
// the user, who can still end the session; "the session can end any time after all applications
// have returned from processing" WM_ENDSESSION
// (https://learn.microsoft.com/windows/win32/shutdown/wm-endsession), and the renames stop there.
bool StatusArea::onQueryEndSession(LRESULT& result) {
    if (!commandRunning_ || prompts_ > 0)
        return false;
    result = FALSE;
    return true;
}

void StatusArea::runCommand(HWND window, const std::function<void()>& command) {
    if (commandRunning_)
        return;
    DragAcceptFiles(window, FALSE);
    ShutdownBlockReasonCreate(window, wideFromProgram(texts::sessionEndWaits).c_str());
    commandRunning_ = true;
    heldQuit.commandRunning = true;
    showWaitCursor();
    // Whatever way the command ends, the cursor is the one before and the window takes drops and
    // input again.
    struct End {
        StatusArea& area;
        HWND window;
        ~End() {
            area.restoreCursor();
            area.commandRunning_ = false;
            heldQuit.commandRunning = false;
            DragAcceptFiles(window, TRUE);
            ShutdownBlockReasonDestroy(window);
            area.flushProgress();
            discardQueuedInput();
        }
    } end{*this, window};
    command();
}

} // namespace tarnwick
