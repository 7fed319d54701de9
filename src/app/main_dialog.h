// The Main dialog: the user's choices in its controls, the status area, and the buttons that start
// the Preview and Rename commands. The commands themselves run in the engine's Commands; this
// class only provides the window the engine talks to.
#pragma once

#include "core/file_system.h"
#include "core/main_surface.h"
#include "engine/commands.h"
#include "ui/accessibility.h"
#include "ui/icon.h"
#include "ui/modal_dialog.h"
#include "ui/shell_dialogs.h"
#include "ui/status_area.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

class MainDialog : public ModalDialog, public MainSurface {
public:
    MainDialog(FileSystem& fileSystem, ShellDialogs& shellDialogs);

    Commands& commands() { return commands_; }

    // MainSurface: the four operations of the window.
    Options readOptions() override;
    void showError(const std::string& text, const std::string& caption) override;
    void setFieldText(Field field, const std::string& text) override;
    void focusField(Field field) override;

    // MainSurface: the status area.
    void setStatusText(const std::string& text) override { status_.setStatusText(text); }
    void announceOutcome(const std::string& text) override { status_.announceOutcome(text); }
    void setStepLabel(const std::string& text) override { status_.setStepLabel(text); }
    void startProgress(std::size_t count, int step) override { status_.startProgress(count, step); }
    void stepProgress() override { status_.stepProgress(); }
    void clearProgress() override { status_.clearProgress(); }
    void keepAnswering() override { status_.keepAnswering(); }
    std::uint64_t milliseconds() override { return GetTickCount64(); }
    void wait(unsigned milliseconds) override { status_.wait(milliseconds); }
    void waitHoldingMessages(unsigned milliseconds) override {
        status_.waitHoldingMessages(milliseconds);
    }
    bool sessionEnding() override { return status_.sessionEnding(); }

    // MainSurface: the modal questions.
    bool runPreviewDialog(const FileList& files) override;
    ConfirmAnswer runConfirmDialog() override;
    bool askYesNo(const std::string& text, const std::string& caption) override;

protected:
    // The bar's last steps shown, and the normal cursor while the user is asked something.
    bool beginPrompt() override { return status_.beginPrompt(); }
    void endPrompt(bool wasWaiting) override { status_.endPrompt(wasWaiting); }
    bool onInit() override;
    bool onButtonClicked(int id) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Initialisation steps.
    void addToSystemMenu();
    void allowDropsFromLowerIntegrity();
    // The Undo entry of the system menu: available while a Rename can be undone.
    void updateUndoEntry();
    void setUpSpins();
    // Names for the fields that no label before them names, and the status text as a live region.
    void annotateForScreenReaders();

    // Button handlers.
    bool onTargetMode(bool folderMode);
    bool onSubdirs();
    bool onOptionBox(int boxId);
    // Enables or disables the fields an option box switches.
    void enableFields(const struct OptionFields& row, bool on);
    bool onBrowsePath();
    bool onBrowseFiles();
    // What a chosen folder or chosen files do, from a Browse button or a drop.
    void selectMode(bool folderMode);
    void takeFolder(const std::string& folder);
    void takeFiles(const std::string& folder, const std::vector<std::string>& names);
    // Preview, Rename or Undo, inside the click (see StatusArea::runCommand).
    bool runCommand(void (Commands::*command)());
    bool onAbout();

    // Message handlers.
    bool onSysCommand(WPARAM command);
    bool onDropFiles(HDROP drop);
    bool onQueryDragIcon(LRESULT& result);

    // COM for the program's thread, before any shell dialog or link is opened.
    ComApartment com_;
    Commands commands_;
    ShellDialogs& shellDialogs_;
    OwnedIcon largeIcon_;
    OwnedIcon smallIcon_;
    StatusArea status_;
    DialogAnnotations annotations_;
};

} // namespace tarnwick
