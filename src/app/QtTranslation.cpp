#include "app/QtTranslation.h"

#include "lang/Texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace korvane::app {

namespace {

// Owned by the application object, so it goes with it.
QPointer<QTranslator> &Installed()
{
    static QPointer<QTranslator> translator;
    return translator;
}

}  // namespace

QString QtTranslation::CatalogueName(std::uint8_t language)
{
    switch (language) {
    case lang::German:
        return QStringLiteral("qtbase_de");
    case lang::French:
        return QStringLiteral("qtbase_fr");
    case lang::Czech:
        return QStringLiteral("qtbase_cs");
    default:
        return {};
    }
}

bool QtTranslation::Apply(std::uint8_t language)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (application == nullptr)
        return false;
    // A native file dialog would speak the desktop's language, not ours.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);

    QPointer<QTranslator> &installed = Installed();
    const QString name = CatalogueName(language);
    if (installed != nullptr && installed->objectName() == name)
        return true;
    delete installed;  // a deleted translator leaves the application by itself
    if (name.isEmpty())
        return true;

    auto *translator = new QTranslator(application);
    translator->setObjectName(name);
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

}  // namespace korvane::app
