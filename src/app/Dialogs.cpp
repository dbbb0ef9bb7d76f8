#include "app/Dialogs.h"

#include "about/FormAbout.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

namespace korvane::app {

namespace {

const QString ParameterFilter = QStringLiteral("Ignition Parametrs(*.ign)");
const QString AllFilesFilter = QStringLiteral("All Files (*.*)");
const QString PdfFilter = QStringLiteral("PDF (*.pdf)");

QString Title(QWidget *parent)
{
    return parent != nullptr ? parent->window()->windowTitle() : QString();
}

QString RunFileDialog(QFileDialog &dialog, const QString &lastFile, const QString &suffix = QStringLiteral("ign"))
{
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!lastFile.trimmed().isEmpty())
        dialog.selectFile(lastFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void Dialogs::run(QDialog &dialog)
{
    dialog.exec();
}

void QtDialogs::message(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, Title(parent), text, QMessageBox::Ok, parent);
    box.exec();
}

YesNoCancel QtDialogs::askYesNoCancel(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, Title(parent), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return YesNoCancel::Yes;
    case QMessageBox::No:
        return YesNoCancel::No;
    default:
        return YesNoCancel::Cancel;
    }
}

QString QtDialogs::openFileName(QWidget *parent, const QString &lastFile)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({ParameterFilter, AllFilesFilter});
    return RunFileDialog(dialog, lastFile);
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &lastFile)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({ParameterFilter});
    // QFileDialog asks before it overwrites an existing file.
    return RunFileDialog(dialog, lastFile);
}

QString QtDialogs::openLogFileName(QWidget *parent, const QString &folder)
{
    QFileDialog dialog(parent, QString(), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Ride logs (*.csv)"), AllFilesFilter});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::savePdfFileName(QWidget *parent, const QString &suggested)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({PdfFilter});
    return RunFileDialog(dialog, suggested, QStringLiteral("pdf"));
}

bool QtDialogs::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtDialogs::about(QWidget *parent, std::uint8_t language)
{
    korvane::about::FormAbout box(parent);
    box.FormActivate(language);
    QWidget *owner = parent != nullptr ? parent->window() : nullptr;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (owner != nullptr)
        box.CentreOn(owner->frameGeometry());
    else if (screen != nullptr)
        box.CentreOn(screen->availableGeometry());
    box.exec();
}

std::optional<double> Dialogs::askNumber(QWidget *, const QString &, double, double, double, int)
{
    return std::nullopt;
}

std::optional<double> QtDialogs::askNumber(QWidget *parent, const QString &prompt, double value, double minimum,
                                           double maximum, int decimals)
{
    bool ok = false;
    const double number =
        QInputDialog::getDouble(parent, Title(parent), prompt, value, minimum, maximum, decimals, &ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

}  // namespace korvane::app
