// A data file of any length and content, opened as the transfer window
// opens it.

#include "FuzzInput.h"

#include "params/DataFile.h"

#include <QFile>
#include <QTemporaryDir>

int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.SD2"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(fuzzBytes(data, size).toByteArray());
    }
    params::ParameterImage image;
    (void)params::OpenDataFile(path, image);
    return 0;
}
