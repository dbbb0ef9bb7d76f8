// New, Open, Save and the change of model.

#include "app/TFormHlav.h"

#include "app/CompareController.h"
#include "app/UndoController.h"
#include "model/BikeTypes.h"
#include "model/ParameterFile.h"
#include "model/SafeFile.h"
#include "pages/NewParameters.h"
#include "ui/RuzneSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>

#include <fstream>
#include <sstream>

namespace korvane::app {

namespace {

pages::DefaultsAnswer ToAnswer(YesNoCancel answer)
{
    switch (answer) {
    case YesNoCancel::Yes:
        return pages::DefaultsAnswer::Yes;
    case YesNoCancel::No:
        return pages::DefaultsAnswer::No;
    case YesNoCancel::Cancel:
        break;
    }
    return pages::DefaultsAnswer::Cancel;
}

}  // namespace

void TFormHlav::SetFileName(const QString &path)
{
    m_ruzne->setFileName(path);
    m_compare->fileNamed(path);
}

void TFormHlav::MenuNewClick()
{
    const auto step = m_undo->record(UndoGesture::New);
    const YesNoCancel answer = m_dialogs->askYesNoCancel(this, Text(lang::TextId::AskDefaults));
    if (pages::ApplyNewAnswer(m_image, m_selector, ToAnswer(answer))) {
        m_link.HideStatus();
        SetFileName(QString());
    }
    RefreshAfterEdit();
}

void TFormHlav::ComboBoxBikeChange()
{
    const std::optional<std::uint8_t> code = model::ComboToBikeType(m_ruzne->bikeList()->currentIndex());
    if (!code)
        return;
    const auto step = m_undo->record(UndoGesture::ModelChange);
    const std::uint8_t previous = m_image[model::Offset::BikeType];
    m_image[model::Offset::BikeType] = *code;
    const YesNoCancel answer = m_dialogs->askYesNoCancel(this, Text(lang::TextId::AskDefaults));
    if (pages::ApplyModelChangeAnswer(m_image, m_selector, previous, ToAnswer(answer))) {
        m_link.HideStatus();
        SetFileName(QString());
    }
    RefreshAfterEdit();
}

void TFormHlav::MenuOpenClick()
{
    const auto step = m_undo->record(UndoGesture::Open);
    const QString chosen = m_dialogs->openFileName(this, m_lastFile);
    if (!chosen.isEmpty()) {
        const QFileInfo info(chosen);
        std::ifstream in;
        if (!info.isDir())
            in.open(QFile::encodeName(chosen).toStdString(), std::ios::binary);
        if (!in.is_open()) {
            QueueMessage(Text(lang::TextId::FileOpenError) + QLatin1Char('\n') + QDir::toNativeSeparators(chosen));
        } else {
            model::ConfigImage read = m_image;
            bool extMonitor = m_ruzne->extMonitor()->isChecked();
            if (!model::ReadParameterFile(in, read, extMonitor)) {
                QueueMessage(Text(lang::TextId::FileVersionMismatch));
            } else {
                m_image = read;
                // The file carries the model, not the bytes derived from it;
                // programming a unit with another model's bytes would be wrong.
                model::ApplyTypeSettings(m_image);
                m_ruzne->extMonitor()->setChecked(extMonitor);
                RefreshAfterEdit();
                SetFileName(info.absoluteFilePath());
                m_lastFile = info.absoluteFilePath();
            }
        }
    }
    m_link.HideStatus();
    ShowStatus();
    ShowPendingMessages();
}

void TFormHlav::MenuSaveClick()
{
    const QString chosen = m_dialogs->saveFileName(this, m_lastFile);
    if (chosen.isEmpty())
        return;
    TakePage();
    NormaliseImage();
    ShowPage();

    std::ostringstream text;
    model::WriteParameterFile(text, m_image, m_ruzne->extMonitor()->isChecked());
    const QFileInfo info(chosen);
    std::string error;
    // Written aside and renamed into place: a failed save keeps the old file whole.
    if (!model::WriteFileAtomically(QFile::encodeName(info.absoluteFilePath()).toStdString(), text.str(), &error)) {
        QueueMessage(Text(lang::TextId::FileOpenError) + QLatin1Char('\n') +
                     QDir::toNativeSeparators(info.absoluteFilePath()) + QLatin1Char('\n') +
                     QString::fromStdString(error));
        ShowPendingMessages();
        return;
    }
    SetFileName(info.absoluteFilePath());
    m_lastFile = info.absoluteFilePath();
}

}  // namespace korvane::app
