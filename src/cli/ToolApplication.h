#pragma once

#include <QCoreApplication>

#include <memory>

namespace cli {

// The tool's application object: a core one for the commands that talk to
// the module or compare files, a GUI one on the offscreen platform for the
// commands that draw a document (the sheet), so that no display is needed.
std::unique_ptr<QCoreApplication> createApplication(int& argc, char** argv);

} // namespace cli
