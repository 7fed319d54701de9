// The status area of a window that runs long commands on the window's own thread, inside the
// click that starts them: a step label, a status text and a progress bar, kept visible while a
// command works, and the wait cursor shown meanwhile.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

namespace tarnwick {

class StatusArea {
public:
    // The three controls, once the window exists; the bar's own range counts steps until a
    // command sets one.
    void attach(HWND stepLabel, HWND statusText, HWND progressBar);

    void setStatusText(const std::string& text);
    // The status text that ends a command, read out by a screen reader: the status text is a
    // polite live region (the window makes it one, see DialogAnnotations).
    void announceOutcome(const std::string& text);
    void setStepLabel(const std::string& text);
    // The bar of one step: from 0 to count (at most the largest int) in steps of step.
    void startProgress(std::size_t count, int step);
    void stepProgress();
    void clearProgress();
    // Keeps the window painted and answering the system during long work, however often it is
    // called: at most every 100 ms it repaints what needs it, takes the messages that are sent to
    // the thread, and drops the input of the meantime.
    void keepAnswering();
    // Lets the milliseconds pass, the window answering throughout as with keepAnswering: a
    // message sent to the thread is taken as it comes.
    void wait(unsigned milliseconds);
    // Lets the milliseconds pass with the status area repainted, taking no message at all.
    void waitHoldingMessages(unsigned milliseconds);

    // Before the user is asked something, a message box or a dialog: the clicks and keys of the
    // meantime are dropped, so that only what the user does once the question shows answers it;
    // the bar shows the steps counted so far, and the wait cursor of a command is put aside while
    // the question is open (see ModalDialog::Prompt). True when it was shown; endPrompt, told so,
    // shows it again.
    bool beginPrompt();
    void endPrompt(bool wasWaiting);

    // Removes the input of the meantime waiting in the thread's queue (meantimeInput); every
    // other message stays.
    static void discardQueuedInput();

    // Runs a command inside the click that starts it, on the window's thread, unless one runs
    // already. Meanwhile the wait cursor shows, nothing can be dropped on the window and the
    // session waits for the command to end (see onQueryEndSession); afterwards the cursor is the
    // one before, the bar shows the last steps, and the input that arrived meanwhile is dropped:
    // it was aimed at a window that could not take it (a double click on Rename must not rename
    // twice). A WM_QUIT taken meanwhile is posted again.
    void runCommand(HWND window, const std::function<void()>& command);
    bool commandRunning() const { return commandRunning_; }

    // The answer to WM_QUERYENDSESSION: no while a command works (not while it asks the user
    // something), so that no run of renames is cut off halfway. False when the end is accepted
    // (the default handling runs).
    bool onQueryEndSession(LRESULT& result);
    // WM_ENDSESSION: when the session does end, sessionEnding turns true for good. False: the
    // default handling runs.
    bool onEndSession(bool ending) {
        sessionEnding_ = sessionEnding_ || ending;
        return false;
    }
    bool sessionEnding() const { return sessionEnding_; }

    // The answer to WM_SETCURSOR: while a command works the wait cursor stays, whatever the
    // controls under the mouse want. False when not waiting (the default handling runs).
    bool onSetCursor(LRESULT& result);

private:
    void showWaitCursor();
    void restoreCursor();
    // Hands the steps counted since the last one to the progress bar.
    void flushProgress();
    // The bar's last steps handed on and the three controls painted, through no message queue.
    void repaint();
    void sendProgress(UINT message, WPARAM wParam, LPARAM lParam);

    HWND stepLabel_ = nullptr;
    HWND statusText_ = nullptr;
    HWND progressBar_ = nullptr;
    DWORD lastRepaint_ = 0;
    // The progress bar as the commands have set it; the bar itself may lag behind by the steps
    // not handed on yet. The bar starts with the range 0 to 100 and the step 10.
    int progressMax_ = 100;
    int progressPos_ = 0;
    int progressStep_ = 10;
    bool progressPending_ = false;
    bool waiting_ = false;
    bool commandRunning_ = false;
    int prompts_ = 0; // questions open inside the command
    bool sessionEnding_ = false;
    HCURSOR cursorBeforeWait_ = nullptr;
};

} // namespace tarnwick
