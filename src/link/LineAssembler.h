#pragma once

#include <QByteArray>

#include <functional>

// Turns the received byte stream into lines: CR ends a line, LF is dropped,
// every other byte (0 included) is kept. Empty lines are not delivered.
class LineAssembler
{
public:
    // The longest real line is a 544-character block frame reply; a device
    // that streams without CR must not make the buffer grow without end, so a
    // line that passes this cap is dropped whole.
    static constexpr int kMaxLineLength = 8192;

    using LineHandler = std::function<void(const QByteArray&)>;

    explicit LineAssembler(LineHandler onLine)
        : m_onLine(std::move(onLine))
    {
    }

    void feed(char byte);

    const QByteArray& pending() const { return m_buffer; }

private:
    LineHandler m_onLine;
    QByteArray m_buffer;
    bool m_dropping = false;
};
