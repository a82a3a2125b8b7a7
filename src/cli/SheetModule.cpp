#include "cli/SheetModule.h"

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace cli {

namespace {

// The folder of the running tool, found before any application object
// exists (which QCoreApplication::applicationDirPath() needs).
QString toolFolder(const char* argv0)
{
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

QString g_toolFolder;

const SheetModule* loadModule(QString& error)
{
    // SENTROVA_SHEET_MODULE: the module's path relative to the tool's
    // folder, the same in the build and in an installation.
    const QString path = QDir(g_toolFolder).filePath(QStringLiteral(SENTROVA_SHEET_MODULE));
    QLibrary library(path);
    if (!library.load()) {
        error = QStringLiteral("cannot load the sheet module %1: %2").arg(path, library.errorString());
        return nullptr;
    }
    const auto entry = reinterpret_cast<SheetModuleEntry>(library.resolve(kSheetModuleEntry));
    const SheetModule* module = entry ? entry() : nullptr;
    if (!module || module->version != kSheetModuleVersion) {
        error = QStringLiteral("the sheet module %1 does not belong to this tool").arg(path);
        return nullptr;
    }
    // The library stays loaded until the tool ends.
    return module;
}

bool drawsDocument(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Options options = parseOptions(arguments);
    return options.command && options.command->drawsDocument;
}

} // namespace

const SheetModule* sheetModule(QString* error)
{
    static QString loadError;
    static const SheetModule* const module = loadModule(loadError);
    if (error)
        *error = loadError;
    return module;
}

std::unique_ptr<QCoreApplication> createApplication(int& argc, char** argv)
{
    g_toolFolder = toolFolder(argv[0]);
    if (drawsDocument(argc, argv))
        if (const SheetModule* module = sheetModule())
            return std::unique_ptr<QCoreApplication>(module->createApplication(argc, argv));
    // A command that needs the module it could not load says so when it runs.
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace cli
