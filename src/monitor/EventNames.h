#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>

// The twelve user and twelve zone names the monitoring windows read from the
// module's parameter blocks 0 to 2.
namespace monitor {

inline constexpr int kNameCount = 12;
inline constexpr int kNameFieldLength = 10;
inline constexpr int kNameBlocksSize = 3 * 256;
inline constexpr int kUserNameFirst = 0;
inline constexpr int kUserNameStride = 15;
inline constexpr int kZoneNameFirst = 183;
inline constexpr int kZoneNameStride = 20;

// Names as the monitoring windows show them: a single blank, then every
// non-zero byte of the field as a windows-1250 character. A zero byte is
// skipped wherever it stands, it does not end the name.
QString storedName(QByteArrayView field);

struct StoredNames
{
    std::array<QString, kNameCount> users; // user 1 at index 0
    std::array<QString, kNameCount> zones; // zone 1 at index 0
};

// Names from the 768 bytes of parameter blocks 0, 1 and 2 in order.
StoredNames namesFromBlocks(QByteArrayView nameBlocks);

// True when the name is empty or only blanks; such a zone keeps its "INn" caption.
bool IsBlankName(QStringView name);

} // namespace monitor
