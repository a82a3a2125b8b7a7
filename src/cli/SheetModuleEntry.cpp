// The sheet module of the command-line tool: the programming sheet and the
// GUI application it is drawn in (see SheetModule.h).
#include "cli/SheetModule.h"

#include "params/sheet/SheetPrinting.h"

#include <QGuiApplication>

namespace {

QCoreApplication* createApplication(int& argc, char** argv)
{
    // Whatever the desktop asks Qt windows to use: the tool draws into a
    // file and never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

QString savePdf(const QString& path, const params::ParameterImage& image, const params::SheetHeader& header)
{
    return params::saveProgrammingSheetPdf(path, image, header).error;
}

const cli::SheetModule kModule{cli::kSheetModuleVersion, &createApplication, &savePdf};

} // namespace

extern "C" Q_DECL_EXPORT const cli::SheetModule* sentrovaSheetModule()
{
    return &kModule;
}
