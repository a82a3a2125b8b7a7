#pragma once

#include <QByteArray>

#include <functional>

// Cuts the bytes the program sends into lines: CR ends a line, LF is
// ignored, empty lines are dropped. A line that runs past kMaxLength without
// a CR is dropped whole, so a stream without line ends cannot grow it.
class LineSplitter
{
public:
    static constexpr int kMaxLength = 4096;

    using LineHandler = std::function<void(const QByteArray&)>;

    explicit LineSplitter(LineHandler onLine)
        : m_onLine(std::move(onLine))
    {
    }

    void feed(char byte);
    // Forgets an unfinished line.
    void reset();

private:
    LineHandler m_onLine;
    QByteArray m_line;
    bool m_overlong = false;
};
