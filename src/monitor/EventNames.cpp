#include "monitor/EventNames.h"

#include "link/Cp1250.h"

#include <QByteArray>

#include <algorithm>

namespace monitor {

namespace {
QByteArrayView nameField(QByteArrayView blocks, qsizetype start)
{
    if (start >= blocks.size())
        return {};
    return blocks.sliced(start, std::min<qsizetype>(kNameFieldLength, blocks.size() - start));
}
} // namespace

QString storedName(QByteArrayView field)
{
    QByteArray bytes;
    for (char byte : field)
        if (byte != '\0')
            bytes.append(byte);
    return u' ' + fromCp1250(bytes);
}

StoredNames namesFromBlocks(QByteArrayView nameBlocks)
{
    StoredNames names;
    for (int i = 0; i < kNameCount; ++i) {
        names.users[std::size_t(i)] = storedName(nameField(nameBlocks, kUserNameFirst + i * kUserNameStride));
        names.zones[std::size_t(i)] = storedName(nameField(nameBlocks, kZoneNameFirst + i * kZoneNameStride));
    }
    return names;
}

bool IsBlankName(QStringView name)
{
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c == u' '; });
}

} // namespace monitor
