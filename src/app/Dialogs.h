#pragma once

// The window's modal questions and file choosers. The window only asks this
// interface, so tests can answer for the user.

#include <QString>

#include <cstdint>
#include <optional>

class QDialog;
class QWidget;

namespace korvane::app {

enum class YesNoCancel { Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(QWidget *parent, const QString &text) = 0;
    [[nodiscard]] virtual YesNoCancel askYesNoCancel(QWidget *parent, const QString &text) = 0;
    // Empty when the user cancels. lastFile presets the chooser.
    [[nodiscard]] virtual QString openFileName(QWidget *parent, const QString &lastFile) = 0;
    [[nodiscard]] virtual QString saveFileName(QWidget *parent, const QString &lastFile) = 0;
    // A ride log to replay, starting in folder; empty when the user cancels.
    [[nodiscard]] virtual QString openLogFileName(QWidget *parent, const QString &folder)
    {
        return openFileName(parent, folder);
    }
    // A PDF to write (the tune sheet), suggested presets the chooser; empty
    // when the user cancels.
    [[nodiscard]] virtual QString savePdfFileName(QWidget *parent, const QString &suggested)
    {
        return saveFileName(parent, suggested);
    }
    // Hands an existing file to the desktop's viewer; false when none starts.
    [[nodiscard]] virtual bool openDocument(const QString &path) = 0;
    // The About box, modal, titled in language.
    virtual void about(QWidget *parent, std::uint8_t language) = 0;
    // A number typed by the user, preset to value, within minimum..maximum
    // with the given decimals; empty when the user cancels. Answerers that
    // stand in for no user (the command line) cancel.
    [[nodiscard]] virtual std::optional<double> askNumber(QWidget *parent, const QString &prompt, double value,
                                                          double minimum, double maximum, int decimals);
    // Runs a dialog that a feature built (History…), modally; a test drives
    // the dialog instead of a modal loop.
    virtual void run(QDialog &dialog);
};

// Message boxes and file dialogs of Qt; all modal, so the window's timer
// goes on ticking while they are open.
class QtDialogs final : public Dialogs {
public:
    void message(QWidget *parent, const QString &text) override;
    [[nodiscard]] YesNoCancel askYesNoCancel(QWidget *parent, const QString &text) override;
    [[nodiscard]] QString openFileName(QWidget *parent, const QString &lastFile) override;
    [[nodiscard]] QString saveFileName(QWidget *parent, const QString &lastFile) override;
    [[nodiscard]] QString openLogFileName(QWidget *parent, const QString &folder) override;
    [[nodiscard]] QString savePdfFileName(QWidget *parent, const QString &suggested) override;
    [[nodiscard]] bool openDocument(const QString &path) override;
    void about(QWidget *parent, std::uint8_t language) override;
    [[nodiscard]] std::optional<double> askNumber(QWidget *parent, const QString &prompt, double value,
                                                  double minimum, double maximum, int decimals) override;
};

}  // namespace korvane::app
