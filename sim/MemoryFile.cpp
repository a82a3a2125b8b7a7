#include "MemoryFile.h"

#include <QFile>

#include <algorithm>

LoadedMemory loadMemoryFile(const QString& path)
{
    LoadedMemory result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return result;
    }
    const QByteArray bytes = file.read(memory::kSize);
    if (bytes.size() < memory::kSize) {
        result.error = QStringLiteral("%1 holds %2 bytes, not %3").arg(path).arg(bytes.size()).arg(memory::kSize);
        return result;
    }
    ParameterMemory mem{};
    std::copy_n(bytes.constData(), memory::kSize, mem.begin());
    result.memory = mem;
    return result;
}
