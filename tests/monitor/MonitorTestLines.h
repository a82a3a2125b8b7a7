#pragma once

// Builders for the module's status lines, so that tests state only the
// characters they are about.

#include "monitor/EventRecord.h"
#include "monitor/StatusTone.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <initializer_list>

namespace testlines {

// An "AT_[" report of the given form (1 to 4) at rest: every input wired
// active-on-short with loop "2k", 13.8 V on the supply and the battery,
// outputs, relays and partitions off, signal 15, mains present, 21 degrees.
// Characters nobody examines hold "#".
class StatusLine
{
public:
    explicit StatusLine(int form)
    {
        static constexpr std::array kLengths = {84, 86, 89, 92};
        m_line = QByteArray(kLengths[std::size_t(form - 1)], '#');
        m_line.replace(0, 4, "AT_[");
        for (int at : {36, 51, 65, 68, 78, 81})
            m_line[at] = ',';
        m_line.replace(37, 14, QByteArray(14, '2'));
        m_line.replace(52, 12, QByteArray(12, '0'));
        m_line.replace(66, 2, "=:");
        m_line.replace(69, 9, QByteArray(9, '0'));
        m_line.replace(79, 2, "00");
        m_line[82] = '?';
        if (form >= 2)
            m_line[84] = '1';
        if (form >= 3)
            m_line.replace(86, 2, "=:");
        if (form >= 4)
            m_line.replace(89, 2, "15");
        m_line[m_line.size() - 1] = ']';
    }

    StatusLine& set(int at, QByteArrayView text)
    {
        m_line.replace(at, text.size(), text);
        return *this;
    }
    StatusLine& set(int at, char c) { return set(at, QByteArrayView(&c, 1)); }
    // Input n (1..12): loop character at 36 + n, type character at 51 + n.
    StatusLine& input(int n, char loop, char type) { return set(36 + n, loop).set(51 + n, type); }

    operator QByteArray() const { return m_line; }

private:
    QByteArray m_line;
};

// A report of `length` characters: the form 4 report cut or padded with
// "#", still closed by "]".
inline QByteArray statusLineOfLength(int length)
{
    QByteArray line = StatusLine(4);
    line.resize(length, '#');
    if (length > 0)
        line[length - 1] = ']';
    return line;
}

inline QByteArray recordBytes(std::initializer_list<int> bytes)
{
    QByteArray out(monitor::EventRecord::kSize, '\0');
    int i = 0;
    for (int b : bytes)
        out[i++] = char(b);
    return out;
}

// "AT_{" followed by the records in upper-case hexadecimal.
inline QByteArray lastEventsLine(std::initializer_list<QByteArray> records)
{
    QByteArray line = "AT_{";
    for (const QByteArray& record : records)
        line += record.toHex().toUpper();
    return line;
}

inline QString describe(monitor::Tone tone)
{
    switch (tone) {
    case monitor::Tone::Green: return QStringLiteral("green");
    case monitor::Tone::Red: return QStringLiteral("red");
    case monitor::Tone::Black: return QStringLiteral("black");
    case monitor::Tone::Grey: return QStringLiteral("grey");
    }
    return QStringLiteral("?");
}

inline QString describe(const monitor::ToneText& label)
{
    return label.text + u' ' + describe(label.tone);
}

} // namespace testlines
