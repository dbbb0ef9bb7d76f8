#pragma once

// Answers the window's questions for a test and records what it was asked.

#include "app/Dialogs.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace korvane::test {

class FakeDialogs final : public app::Dialogs {
public:
    void message(QWidget *, const QString &text) override { messages << text; }
    app::YesNoCancel askYesNoCancel(QWidget *, const QString &text) override
    {
        questions << text;
        if (answers.empty())
            return app::YesNoCancel::Cancel;
        const app::YesNoCancel answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString openFileName(QWidget *, const QString &) override { return fileToOpen; }
    QString saveFileName(QWidget *, const QString &) override { return fileToSave; }
    QString savePdfFileName(QWidget *, const QString &suggested) override
    {
        suggestedPdf = suggested;
        return pdfToSave;
    }
    bool openDocument(const QString &path) override
    {
        openedDocuments << path;
        return documentOpens;
    }
    void about(QWidget *, std::uint8_t language) override { aboutLanguages.push_back(language); }
    std::optional<double> askNumber(QWidget *, const QString &prompt, double, double, double, int) override
    {
        prompts << prompt;
        if (numbers.empty())
            return std::nullopt;
        const std::optional<double> number = numbers.front();
        numbers.pop_front();
        return number;
    }
    // A feature's dialog: driven by onDialog instead of a modal loop.
    void run(QDialog &dialog) override
    {
        ++dialogsRun;
        if (onDialog)
            onDialog(dialog);
    }

    QStringList messages;
    QStringList questions;
    std::deque<app::YesNoCancel> answers;
    QString fileToOpen;
    QString fileToSave;
    QString pdfToSave;
    QString suggestedPdf;
    QStringList openedDocuments;
    bool documentOpens = true;  // false: no viewer starts
    std::vector<std::uint8_t> aboutLanguages;
    QStringList prompts;                        // asked by askNumber
    std::deque<std::optional<double>> numbers;  // its answers; none left: cancel
    std::function<void(QDialog &)> onDialog;
    int dialogsRun = 0;
};

}  // namespace korvane::test
