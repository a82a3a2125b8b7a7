#include "cli/ToolApplication.h"

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"

#include <QGuiApplication>
#include <QStringList>

namespace cli {

namespace {

// Read before any application object exists, which parses the command line
// only once it is made.
bool drawsDocument(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Options options = parseOptions(arguments);
    return options.command && options.command->drawsDocument;
}

} // namespace

std::unique_ptr<QCoreApplication> createApplication(int& argc, char** argv)
{
    if (!drawsDocument(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    // Whatever the desktop asks Qt windows to use: the tool draws into a file.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace cli
