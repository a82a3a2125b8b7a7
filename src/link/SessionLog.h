#pragma once

#include "link/LineAssembler.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <functional>

// A support trace of everything that crossed the serial line, block frames
// included: one line per line sent or received, with a millisecond
// timestamp and its direction (">>" sent, "<<" received), appended to a file
// and flushed at once, so a crash loses at most the line being assembled.
// Only wire bytes are logged: the installer code travels encoded.
class SessionLog
{
public:
    using Clock = std::function<QString()>;

    // `clock` gives the timestamp text; the default is local time to the
    // millisecond ("2026-12-08 23:20:01.123").
    explicit SessionLog(Clock clock = {});
    ~SessionLog();

    // Appends to `path`; false with the reason in `error` when it cannot.
    bool open(const QString& path, QString* error = nullptr);
    bool isOpen() const { return m_file.isOpen(); }

    void sent(QByteArrayView bytes);
    void received(QByteArrayView bytes);

private:
    void writeLine(const char* direction, const QByteArray& line);
    void flushUnterminatedSent();

    Clock m_clock;
    QFile m_file;
    LineAssembler m_sent;
    LineAssembler m_received;
};
