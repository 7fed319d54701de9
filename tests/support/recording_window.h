// A window for the engine that records every call, and answers the modal questions as told.
#pragma once

#include "null_window.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarnwick::testing {

using tarnwick::fieldName;

class RecordingWindow : public NullWindow {
public:
    struct Message {
        std::string text;
        std::string caption;
    };

    // What the engine did, in order.
    std::vector<std::string> calls;
    std::vector<Message> messages;
    std::vector<Message> questions;       // asked with Yes and No
    std::vector<std::string> stepLabels;  // every step label set, in order
    std::vector<std::string> statusTexts; // every status text set, in order, outcomes apart
    std::vector<std::string> outcomes;    // every outcome announced, in order
    std::string statusText = "Still nothing to do.";
    std::string stepLabel;
    // Where the bar stands: at 0 when started or cleared, one step further at each step.
    long long progressPos = 0;
    // Each use of the bar, from its start on.
    struct BarUse {
        std::size_t range = 0;
        int step = 0;       // the size of a step
        int steps = 0;      // the steps taken
        long long top = 0;  // the highest position shown
        long long left = 0; // the position it was left at
    };
    std::vector<BarUse> barUses;
    int previewDialogs = 0;
    int confirmDialogs = 0;
    std::size_t previewedEntries = 0;
    std::optional<Field> fieldFocused;
    std::vector<std::pair<Field, std::string>> fieldTexts;

    void showError(const std::string& text, const std::string& caption) override {
        NullWindow::showError(text, caption);
        calls.push_back("showError");
        messages.push_back({text, caption});
    }
    void setFieldText(Field field, const std::string& text) override {
        calls.push_back(std::string("setFieldText ") + fieldName(field));
        fieldTexts.emplace_back(field, text);
    }
    void focusField(Field field) override {
        calls.push_back(std::string("focusField ") + fieldName(field));
        fieldFocused = field;
    }
    void setStatusText(const std::string& text) override {
        statusText = text;
        statusTexts.push_back(text);
    }
    void announceOutcome(const std::string& text) override {
        statusText = text;
        outcomes.push_back(text);
    }
    void setStepLabel(const std::string& text) override {
        stepLabel = text;
        stepLabels.push_back(text);
    }
    void startProgress(std::size_t count, int step) override {
        calls.push_back("startProgress " + std::to_string(count) + " by " + std::to_string(step));
        barUses.push_back(BarUse{count, step});
        progressPos = 0;
    }
    void stepProgress() override {
        calls.push_back("stepProgress");
        if (barUses.empty())
            return;
        BarUse& use = barUses.back();
        ++use.steps;
        progressPos += use.step;
        use.left = progressPos;
        use.top = std::max(use.top, progressPos);
    }
    // Every wait, in milliseconds, in order.
    std::vector<unsigned> waits;
    // The waits of a file between the two steps of its rename, which take no message.
    std::vector<unsigned> heldWaits;
    void waitHoldingMessages(unsigned milliseconds) override { heldWaits.push_back(milliseconds); }
    void wait(unsigned milliseconds) override {
        NullWindow::wait(milliseconds);
        calls.push_back("wait");
        waits.push_back(milliseconds);
    }
    void clearProgress() override {
        calls.push_back("clearProgress");
        progressPos = 0;
        if (!barUses.empty())
            barUses.back().left = 0;
    }
    // Whether the status area showed this text at some time, as a status text or an outcome.
    bool showed(const std::string& status) const {
        return std::find(statusTexts.begin(), statusTexts.end(), status) != statusTexts.end() ||
               std::find(outcomes.begin(), outcomes.end(), status) != outcomes.end();
    }
    // What the bar went through in its last use, as "0 to 2 by 1: 2 steps, up to 2, left at 0";
    // "untouched" when it was never started.
    std::string bar() const { return barUses.empty() ? "untouched" : describe(barUses.back()); }
    // The same of every use, in order.
    std::vector<std::string> bars() const {
        std::vector<std::string> all;
        for (const BarUse& use : barUses)
            all.push_back(describe(use));
        return all;
    }
    bool runPreviewDialog(const FileList& files) override {
        calls.push_back("previewDialog");
        ++previewDialogs;
        previewedEntries = files.size();
        return NullWindow::runPreviewDialog(files);
    }
    ConfirmAnswer runConfirmDialog() override {
        calls.push_back("confirmDialog");
        ++confirmDialogs;
        return NullWindow::runConfirmDialog();
    }
    bool askYesNo(const std::string& text, const std::string& caption) override {
        calls.push_back("askYesNo");
        questions.push_back({text, caption});
        return NullWindow::askYesNo(text, caption);
    }

private:
    static std::string describe(const BarUse& use) {
        return "0 to " + std::to_string(use.range) + " by " + std::to_string(use.step) + ": " +
               std::to_string(use.steps) + " steps, up to " + std::to_string(use.top) +
               ", left at " + std::to_string(use.left);
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
