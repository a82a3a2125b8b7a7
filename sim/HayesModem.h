#pragma once

#include "EscapeDetector.h"
#include "ModemSettings.h"

#include "LineSplitter.h"
#include "Wire.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

// A Hayes modem between the program's serial port and the module, byte by
// byte. In command mode it answers "AT" and "ATH" with "OK", dials on "ATD"
// and reports "CONNECT 9600" a little later, and answers every other line
// with "ERROR". In data mode bytes pass both ways unchanged, until the escape
// "+++" framed by silence returns it to command mode. No echo.
//
// A line received while dialling cancels the call before it is handled as a
// command, as a key pressed during dialling does on a real modem.
class HayesModem : public QObject
{
    Q_OBJECT
public:
    enum class Mode { Command, Dialling, Data };

    static constexpr QByteArrayView kEscapeLine = simwire::kEscape;

    explicit HayesModem(const ModemSettings& settings, QObject* parent = nullptr);

    // Read at each use: switches and times may change at any time.
    ModemSettings& settings() { return m_settings; }
    const ModemSettings& settings() const { return m_settings; }

    Mode mode() const { return m_mode; }

    // Bytes from the program.
    void receive(QByteArrayView bytes);
    // Bytes from the module; they reach the program only in data mode.
    void transmit(const QByteArray& bytes);

signals:
    void toModule(const QByteArray& bytes);
    void toProgram(const QByteArray& bytes);
    // Each line taken as a command, and kEscapeLine for a recognised escape.
    void commandReceived(const QByteArray& line);

private:
    void route(const QByteArray& bytes);
    void handleCommand(const QByteArray& line);
    void connected();
    void escaped();
    void reply(QByteArrayView text);

    ModemSettings m_settings;
    Mode m_mode = Mode::Command;
    LineSplitter m_commandLine;
    EscapeDetector m_escape;
    QTimer m_connectDelay;
};
