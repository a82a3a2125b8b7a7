#include "maint/FirmwareFile.h"

#include "link/WireWords.h"

#include <QFile>

#include <utility>

namespace firmware {

namespace {

// 0-based character positions in a line.
constexpr int kSeedAt = 1;
constexpr int kHeader0At = 3;
constexpr int kHeader1At = 5;
constexpr int kDataAt = 7;
constexpr qint64 kChunkSize = 64 * 1024;

FirmwareLine decodeLine(const QByteArray& chars)
{
    const auto byteAt = [&chars](int at) { return digitPairValue(chars[at], chars[at + 1]); };
    FirmwareLine line;
    line.seed = byteAt(kSeedAt);
    line.header0 = byteAt(kHeader0At);
    line.header1 = byteAt(kHeader1At);
    for (int m = 0; m < kDataBytes; ++m)
        line.data[std::size_t(m)] = byteAt(kDataAt + 2 * m);
    return line;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == wire::kLF;
}

// Splits the text into lines and decodes each as it ends. Empty lines (or
// lines of blanks) after the last record are no lines of the file; one
// before a record refuses the file at its own line number.
class LineSplitter
{
public:
    // False once no more input is wanted: the end mark, enough lines, or a
    // line that is no record.
    bool feed(QByteArrayView chunk)
    {
        for (char c : chunk) {
            if (c == kEndOfFile)
                return false;
            if (std::exchange(m_afterCR, false) && c == wire::kLF)
                continue;
            if (c == wire::kCR) {
                m_afterCR = true;
                if (!endLine())
                    return false;
                continue;
            }
            if (m_chars.size() < kRecordChars)
                m_chars.append(c);
            m_lineBlank = m_lineBlank && isBlank(c);
        }
        return true;
    }

    FirmwareFile finish()
    {
        // A last line without its CR counts; nothing after a final CR does.
        if (m_result.good() && !m_chars.isEmpty() && int(m_result.lines.size()) < kMaxLines)
            endLine();
        if (m_result.good() && m_result.lines.empty())
            refuse(1);
        if (!m_result.good())
            m_result.lines.clear();
        return std::move(m_result);
    }

private:
    bool endLine()
    {
        const bool blank = std::exchange(m_lineBlank, true);
        const int number = int(m_result.lines.size()) + m_blankLines + 1;
        if (blank) {
            ++m_blankLines;
            m_chars.clear();
            return true;
        }
        if (m_blankLines > 0)
            return refuse(number - m_blankLines);
        if (m_chars.size() < kRecordChars)
            return refuse(number);
        m_result.lines.push_back(decodeLine(m_chars));
        m_chars.clear();
        return int(m_result.lines.size()) < kMaxLines;
    }

    bool refuse(int lineNumber)
    {
        m_result.status = FirmwareFile::Status::ShortLine;
        m_result.lineNumber = lineNumber;
        return false;
    }

    FirmwareFile m_result;
    QByteArray m_chars;
    // Nothing but blanks since the line began.
    bool m_lineBlank = true;
    // Empty lines since the last record; harmless unless a record follows.
    int m_blankLines = 0;
    bool m_afterCR = false;
};

} // namespace

int digitValue(char c)
{
    const auto code = static_cast<unsigned char>(c);
    if (code >= 'A' && code <= 'F')
        return code - 'A' + 10;
    if (code < '@')
        return code - '0';
    return 0;
}

std::uint8_t digitPairValue(char high, char low)
{
    // Characters below "0" give negative values; the sum wraps modulo 256.
    return std::uint8_t((16 * digitValue(high) + digitValue(low)) & 0xFF);
}

FirmwareFile readFirmware(QIODevice& device)
{
    LineSplitter lines;
    for (;;) {
        const QByteArray chunk = device.read(kChunkSize);
        if (chunk.isEmpty() || !lines.feed(chunk))
            break;
    }
    return lines.finish();
}

FirmwareFile readFirmware(QByteArrayView contents)
{
    LineSplitter lines;
    lines.feed(contents);
    return lines.finish();
}

FirmwareFile readFirmwareFile(const QString& path)
{
    QFile file(path);
    FirmwareFile unreadable;
    unreadable.status = FirmwareFile::Status::Unreadable;
    if (!file.open(QIODevice::ReadOnly)) {
        unreadable.error = file.errorString();
        return unreadable;
    }
    FirmwareFile result = readFirmware(file);
    if (file.error() != QFileDevice::NoError) {
        unreadable.error = file.errorString();
        return unreadable;
    }
    return result;
}

} // namespace firmware
