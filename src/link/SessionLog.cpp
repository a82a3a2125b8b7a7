#include "link/SessionLog.h"

#include "link/Cp1250.h"

#include <QDateTime>

namespace {

constexpr char kSentMark[] = ">>";
constexpr char kReceivedMark[] = "<<";

QString localMilliseconds()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

// Control bytes would break the log's lines; they are shown as \xNN.
QString readable(const QByteArray& line)
{
    QString text;
    for (const QChar c : fromCp1250(line)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            text += QStringLiteral("\\x") + QStringLiteral("%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            text += c;
    }
    return text;
}

} // namespace

SessionLog::SessionLog(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(localMilliseconds))
    , m_sent([this](const QByteArray& line) { writeLine(kSentMark, line); })
    , m_received([this](const QByteArray& line) { writeLine(kReceivedMark, line); })
{
}

SessionLog::~SessionLog()
{
    flushUnterminatedSent();
}

bool SessionLog::open(const QString& path, QString* error)
{
    m_file.setFileName(path);
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text | QIODevice::Unbuffered))
        return true;
    if (error)
        *error = m_file.errorString();
    return false;
}

void SessionLog::sent(QByteArrayView bytes)
{
    for (const char byte : bytes)
        m_sent.feed(byte);
}

void SessionLog::received(QByteArrayView bytes)
{
    // A module answer closes what was sent so far, even without a CR (the
    // modem escape "+++" has none).
    flushUnterminatedSent();
    for (const char byte : bytes)
        m_received.feed(byte);
}

void SessionLog::flushUnterminatedSent()
{
    if (!m_sent.pending().isEmpty())
        m_sent.feed('\r');
}

void SessionLog::writeLine(const char* direction, const QByteArray& line)
{
    if (!m_file.isOpen())
        return;
    const QString entry = QStringLiteral("%1 %2 %3\n").arg(m_clock(), QLatin1String(direction), readable(line));
    m_file.write(entry.toUtf8());
}
