#pragma once

#include <QTextStream>

namespace cli {

// False, after saying why on `err`, when this build cannot convert
// windows-1250 text: the tool would corrupt names.
bool codePageReady(QTextStream& err);

} // namespace cli
