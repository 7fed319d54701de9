// A window for the engine that records every call, and answers the modal questions as told.
#pragma once

#include "engine/main_surface.h"

#include <string>
#include <vector>

namespace tarnwick::testing {

class RecordingWindow : public MainSurface {
public:
    struct Message {
        std::string text;
        std::string caption;
    };

    // What readOptions delivers.
    Options options;
    // The answers to the modal questions.
    bool previewAnswer = false; // true: the Preview dialog is closed with "Rename"
    ConfirmAnswer confirmAnswer{true, false};

    // What the engine did, in order.
    std::vector<std::string> calls;
    std::vector<Message> messages;
    std::vector<std::string> stepLabels;  // every step label set, in order
    std::vector<std::string> statusTexts; // every status text set, in order
    std::string statusText = "Still nothing to do.";
    std::string stepLabel;
    int progressMax = 0;
    int progressPos = 0;
    int progressStepAmount = 10;
    int previewDialogs = 0;
    int confirmDialogs = 0;
    std::size_t previewedEntries = 0;
    int fieldFocused = 0;
    std::vector<std::pair<int, std::string>> fieldTexts;
    bool waitCursor = false;
    bool waitCursorDuringQuestion = false;

    Options readOptions() override { return options; }
    void showError(const std::string& text, const std::string& caption) override {
        calls.push_back("showError");
        if (waitCursor)
            waitCursorDuringQuestion = true;
        messages.push_back({text, caption});
    }
    void setFieldText(int fieldId, const std::string& text) override {
        calls.push_back("setFieldText " + std::to_string(fieldId));
        fieldTexts.emplace_back(fieldId, text);
    }
    void focusField(int fieldId) override {
        calls.push_back("focusField " + std::to_string(fieldId));
        fieldFocused = fieldId;
    }
    void setStatusText(const std::string& text) override {
        statusText = text;
        statusTexts.push_back(text);
    }
    void setStepLabel(const std::string& text) override {
        stepLabel = text;
        stepLabels.push_back(text);
    }
    void setProgressRange(int max) override {
        calls.push_back("setProgressRange " + std::to_string(max));
        progressMax = max;
    }
    void setProgressPos(int pos) override {
        calls.push_back("setProgressPos " + std::to_string(pos));
        progressPos = pos;
    }
    void setProgressStep(int step) override {
        calls.push_back("setProgressStep " + std::to_string(step));
        progressStepAmount = step;
    }
    void stepProgress() override {
        calls.push_back("stepProgress");
        progressPos += progressStepAmount;
        if (progressPos > progressMax)
            progressPos = progressMax;
    }
    void showWaitCursor() override { waitCursor = true; }
    void restoreCursor() override { waitCursor = false; }
    bool runPreviewDialog(const FileList& files) override {
        calls.push_back("previewDialog");
        if (waitCursor)
            waitCursorDuringQuestion = true;
        ++previewDialogs;
        previewedEntries = files.size();
        return previewAnswer;
    }
    ConfirmAnswer runConfirmDialog() override {
        calls.push_back("confirmDialog");
        if (waitCursor)
            waitCursorDuringQuestion = true;
        ++confirmDialogs;
        return confirmAnswer;
    }
};

// A recording window that also keeps the list the Preview dialog showed.
class PreviewKeepingWindow : public RecordingWindow {
public:
    FileList previewed;
    bool runPreviewDialog(const FileList& files) override {
        previewed = files;
        return RecordingWindow::runPreviewDialog(files);
    }
};

} // namespace tarnwick::testing
