#include "PrintCommand.h"

#include "CliArgs.h"
#include "DeviceCommands.h"
#include "GuiApplication.h"

#include "app/Dialogs.h"
#include "app/TFormHlav.h"
#include "lang/Texts.h"
#include "pages/Pages.h"
#include "print/PagePrinter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>

#include <array>
#include <memory>
#include <stdexcept>
#include <utility>

namespace korvane::cli {

namespace {

constexpr std::array<OptionSpec, 3> PrintOptions{{{"output", 'o', true}, {"page", '\0', true}, {"lang", '\0', true}}};

// The pages a user can bring to the front; the Tuning page has no tab.
constexpr int LastPrintablePage = pages::GasPage;

// Answers the window in place of a user: the file to open, and no to every
// question. Messages are kept for the command's error output.
class CommandDialogs final : public app::Dialogs {
public:
    explicit CommandDialogs(QString file) : m_file(std::move(file)) {}

    void message(QWidget *, const QString &text) override { messages << text; }
    app::YesNoCancel askYesNoCancel(QWidget *, const QString &) override { return app::YesNoCancel::Cancel; }
    QString openFileName(QWidget *, const QString &) override { return m_file; }
    QString saveFileName(QWidget *, const QString &) override { return {}; }
    bool openDocument(const QString &) override { return false; }
    void about(QWidget *, std::uint8_t) override {}

    QStringList messages;

private:
    QString m_file;
};

// The window reads and writes its settings in the configuration folder; the
// printout shows the file alone and leaves the user's settings untouched.
class ScratchConfiguration {
public:
    ScratchConfiguration() : m_old(qgetenv("XDG_CONFIG_HOME")), m_hadOld(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        if (!m_dir.isValid())
            throw std::runtime_error("cannot create a temporary folder");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
    }
    ~ScratchConfiguration()
    {
        if (m_hadOld)
            qputenv("XDG_CONFIG_HOME", m_old);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    ScratchConfiguration(const ScratchConfiguration &) = delete;
    ScratchConfiguration &operator=(const ScratchConfiguration &) = delete;

    [[nodiscard]] QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
    bool m_hadOld;
};

int Fail(const QStringList &messages, CommandIo &io)
{
    for (const QString &message : messages)
        io.err << message.toStdString() << '\n';
    return ExitFailure;
}

}  // namespace

int RunPrint(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, PrintOptions);
    if (HandledHelp(parsed, "print", io))
        return ExitSuccess;
    RequirePositional(parsed, 1, "parameter file FILE.ign");
    const QString output = QString::fromStdString(parsed.required("output"));
    const auto pageText = parsed.value("page");
    const int page = pageText ? ParseIntInRange(*pageText, 0, LastPrintablePage, "--page") : 0;
    const auto languageCode = parsed.value("lang");
    const std::uint8_t language = languageCode ? ParseLanguageOption(*languageCode) : std::uint8_t{lang::English};

    const QuietPlatform quiet;
    EnsureGuiApplication();
    const ScratchConfiguration configuration;
    CommandDialogs dialogs(QFileInfo(QString::fromStdString(parsed.positional[0])).absoluteFilePath());

    app::StartOptions options;
    options.language = language;
    options.dialogs = &dialogs;
    options.runTimer = false;
    // The printout never talks to a unit: a device that cannot exist keeps
    // the window off every real serial port.
    options.device = configuration.path(QStringLiteral("no-unit"));
    auto window = std::make_unique<app::TFormHlav>(options);
    window->show();
    QApplication::processEvents();
    dialogs.messages.clear();  // the port that was not opened

    window->MenuOpenClick();
    if (!dialogs.messages.isEmpty())
        return Fail(dialogs.messages, io);

    if (!window->pageControl()->isTabVisible(page)) {
        io.err << "page " << page << " is not shown with the parameters of this file\n";
        return ExitFailure;
    }
    window->pageControl()->setCurrentIndex(page);
    QApplication::processEvents();

    window->setPrintTarget([&output](const QImage &picture) { return print::PrintToPdf(picture, output); });
    window->SpeedButtonPrintClick();
    if (!dialogs.messages.isEmpty()) {
        dialogs.messages.append(QDir::toNativeSeparators(output));
        return Fail(dialogs.messages, io);
    }
    return ExitSuccess;
}

}  // namespace korvane::cli
