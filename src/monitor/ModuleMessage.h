#pragma once

#include <QByteArrayView>
#include <QString>

namespace monitor {

// The text of an "AT_/" line: everything after its first four characters,
// read as windows-1250. A bare "AT_/" gives an empty line.
QString moduleMessageText(QByteArrayView line);

} // namespace monitor
