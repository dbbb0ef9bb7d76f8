#pragma once

// The tune sheet as a vector PDF: A4 landscape, text set from the sheet's
// content (history/TuneSheet.h), every page numbered. The window's File >
// Export tune sheet and korvane-cli sheet both write it here. Needs a
// QGuiApplication.

#include "history/TuneSheet.h"

#include <QString>

namespace korvane::print {

// The sheet as the HTML that the PDF is laid out from.
[[nodiscard]] QString TuneSheetHtml(const history::TuneSheet &sheet);

// Writes sheet to path. Empty on success, else why not.
[[nodiscard]] QString WriteTuneSheetPdf(const history::TuneSheet &sheet, const QString &path);

}  // namespace korvane::print
