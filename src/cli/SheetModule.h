#pragma once

#include <QString>

#include <memory>

class QCoreApplication;

namespace params {
class ParameterImage;
struct SheetHeader;
} // namespace params

namespace cli {

// The programming sheet is laid out and drawn with Qt's GUI classes. They
// live in a module that the tool loads only for the commands that draw, so
// that every other command starts without Qt's GUI libraries.
struct SheetModule
{
    int version;
    // A GUI application on the offscreen platform: the sheet is drawn, never
    // shown, so no display is needed.
    QCoreApplication* (*createApplication)(int& argc, char** argv);
    // Empty when the PDF was written; else why it was not.
    QString (*savePdf)(const QString& path, const params::ParameterImage& image, const params::SheetHeader& header);
};

// Tool and module must come from the same build.
inline constexpr int kSheetModuleVersion = 1;

// The function the module exports under the name kSheetModuleEntry.
using SheetModuleEntry = const SheetModule* (*)();
inline constexpr const char* kSheetModuleEntry = "sentrovaSheetModule";

// The module beside the tool, loaded once; nullptr when it cannot be, with
// the reason in `error`.
const SheetModule* sheetModule(QString* error = nullptr);

// The tool's application object: a GUI one from the module for a command
// that draws, a core one for every other command.
std::unique_ptr<QCoreApplication> createApplication(int& argc, char** argv);

} // namespace cli
