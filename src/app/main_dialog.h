// The Main dialog: the user's choices in its controls, the status area, and the buttons that start
// the Preview and Rename commands. The commands themselves run in the engine's RunPipeline; this
// class only provides the window the engine talks to.
#pragma once

#include "core/file_system.h"
#include "core/main_surface.h"
#include "engine/run_pipeline.h"
#include "ui/modal_dialog.h"
#include "ui/shell_dialogs.h"

#include <windows.h>

#include <string>

namespace tarnwick {

// An icon loaded from the resources, destroyed with its owner.
class OwnedIcon {
public:
    OwnedIcon(int resourceId, int size);
    ~OwnedIcon();
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;
    HICON get() const { return icon_; }

private:
    HICON icon_;
};

class MainDialog : public ModalDialog, public MainSurface {
public:
    MainDialog(FileSystem& fileSystem, ShellDialogs& shellDialogs);

    RunPipeline& pipeline() { return pipeline_; }

    // MainSurface: the four operations of the window.
    Options readOptions() override;
    void showError(const std::string& text, const std::string& caption) override;
    void setFieldText(Field field, const std::string& text) override;
    void focusField(Field field) override;

    // MainSurface: the status area.
    void setStatusText(const std::string& text) override;
    void setStepLabel(const std::string& text) override;
    void setProgressRange(int max) override;
    void setProgressPos(int pos) override;
    void setProgressStep(int step) override;
    void stepProgress() override;

    // MainSurface: the wait cursor and the two modal questions.
    void showWaitCursor() override;
    void restoreCursor() override;
    bool runPreviewDialog(const FileList& files) override;
    ConfirmAnswer runConfirmDialog() override;

protected:
    bool onInit() override;
    bool onCommand(int id, int notifyCode) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // Initialisation steps.
    void fillListsFromTemplate();
    void addAboutToSystemMenu();
    void setUpSpins();
    void disableOptionFields();

    // Command handlers.
    bool onTargetMode(bool folderMode);
    bool onSubdirs();
    bool onOptionBox(int boxId);
    bool onBrowsePath();
    bool onBrowseFiles();
    bool onPreview();
    bool onRename();
    bool onAbout();

    // Message handlers.
    bool onSysCommand(WPARAM command);
    bool onPaint();
    bool onQueryDragIcon(INT_PTR& result);
    bool onSetCursor(INT_PTR& result);

    std::string text(int id) const;
    void setText(int id, const std::string& text);
    void sendProgress(UINT message, WPARAM wParam, LPARAM lParam);
    // Hands the steps counted since the last one to the progress bar.
    void flushProgress();
    // Lets the status area show during a long step, at most every 100 ms.
    void keepStatusVisible();

    RunPipeline pipeline_;
    ShellDialogs& shellDialogs_;
    OwnedIcon largeIcon_;
    OwnedIcon smallIcon_;
    bool waiting_ = false;
    HCURSOR cursorBeforeWait_ = nullptr;
    DWORD lastRepaint_ = 0;
    // The progress bar as the commands have set it; the bar itself may lag behind by the steps
    // not handed on yet. The bar starts with the range 0 to 100 and the step 10.
    int progressMax_ = 100;
    int progressPos_ = 0;
    int progressStep_ = 10;
    bool progressPending_ = false;
};

} // namespace tarnwick
