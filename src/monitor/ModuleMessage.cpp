#include "monitor/ModuleMessage.h"

#include "link/Cp1250.h"

namespace monitor {

namespace {
constexpr qsizetype kPrefixLength = 4; // "AT_/"
}

QString moduleMessageText(QByteArrayView line)
{
    return line.size() > kPrefixLength ? fromCp1250(line.sliced(kPrefixLength)) : QString();
}

} // namespace monitor
