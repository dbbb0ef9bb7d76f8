#include "app/ParameterSetFile.h"

#include "model/BikeTypes.h"
#include "model/ParameterFile.h"
#include "model/ValueLimits.h"
#include "pages/Visibility.h"

#include <QFile>
#include <QFileInfo>

#include <fstream>

namespace korvane::app {

SetFileRead ReadParameterSet(const QString &path, const model::ConfigImage &start)
{
    std::ifstream in;
    if (!path.isEmpty() && !QFileInfo(path).isDir())
        in.open(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!in.is_open())
        return {std::nullopt, SetFileError::CannotOpen};
    model::ConfigImage image = start;
    bool extMonitor = false;
    if (!model::ReadParameterFile(in, image, extMonitor))
        return {std::nullopt, SetFileError::NotParameterFile};
    model::ApplyTypeSettings(image);
    model::NormaliseImage(image);
    pages::ClearDisplayChoices(image);
    return {image, SetFileError::None};
}

}  // namespace korvane::app
