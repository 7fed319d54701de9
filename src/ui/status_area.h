// The status area of a window that runs long commands on the window's own thread, inside the
// click that starts them: a step label, a status text and a progress bar, kept visible while a
// command works, and the wait cursor shown meanwhile.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tarnwick {

class StatusArea {
public:
    // The three controls, once the window exists; the bar's own range counts steps until a
    // command sets one.
    void attach(HWND stepLabel, HWND statusText, HWND progressBar);

    void setStatusText(const std::string& text);
    void setStepLabel(const std::string& text);
    void setProgressRange(int max);
    void setProgressPos(int pos);
    void setProgressStep(int step);
    void stepProgress();

    // Before the user is asked something, a message box or a dialog: the bar shows the steps
    // counted so far. True when the wait cursor is shown, which the window then puts aside while
    // the question is open (see ModalDialog::Prompt).
    bool promptBegins();

    // Runs a command inside the click that starts it, on the window's thread, unless one runs
    // already. Meanwhile nothing can be dropped on the window; afterwards the bar shows the last
    // steps, and the clicks and keys that arrived meanwhile are dropped: they were aimed at a
    // window that could not take them (a double click on Rename must not rename twice).
    void runCommand(HWND window, const std::function<void()>& command);
    bool commandRunning() const { return commandRunning_; }

    void showWaitCursor();
    void restoreCursor();
    bool waiting() const { return waiting_; }
    // The answer to WM_SETCURSOR: while a command works the wait cursor stays, whatever the
    // controls under the mouse want. False when not waiting (the default handling runs).
    bool onSetCursor(LRESULT& result);

private:
    // Hands the steps counted since the last one to the progress bar.
    void flushProgress();
    void sendProgress(UINT message, WPARAM wParam, LPARAM lParam);
    // Lets the status area show during a long step, at most every 100 ms.
    void keepVisible();

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
    HCURSOR cursorBeforeWait_ = nullptr;
};

} // namespace tarnwick
