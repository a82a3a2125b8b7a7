// The settings file read at start-up, of any content.

#include "FuzzInput.h"

#include "mainwin/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>

int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(settings_file::kFileName);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(fuzzBytes(data, size).toByteArray());
    }
    (void)settings_file::load(path);
    return 0;
}
