// The status area of a window that runs long commands on the window's own thread, inside the
// click that starts them: a step label, a status text and a progress bar, kept visible while a
// command works, and the wait cursor shown meanwhile.
#pragma once

#include <windows.h>

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
    // Hands the steps counted since the last one to the progress bar. Called before anything
    // else shows: a message box, a dialog, the end of a command.
    void flushProgress();

    void showWaitCursor();
    void restoreCursor();
    bool waiting() const { return waiting_; }
    // The answer to WM_SETCURSOR: while a command works the wait cursor stays, whatever the
    // controls under the mouse want. False when not waiting (the default handling runs).
    bool onSetCursor(LRESULT& result);

private:
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
    HCURSOR cursorBeforeWait_ = nullptr;
};

} // namespace tarnwick
