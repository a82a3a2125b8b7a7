#pragma once

#include "HayesModem.h"
#include "LineNoise.h"
#include "LiveActivity.h"
#include "ModuleProtocol.h"
#include "OutputQueue.h"
#include "PacedLine.h"
#include "PseudoTerminal.h"
#include "SimulatorSettings.h"

#include "LineSplitter.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSocketNotifier>

#include <memory>
#include <optional>

// A simulated module on a pseudo-terminal: received bytes become lines for
// the protocol, its replies go back ended by CR. With a modem in front, the
// bytes pass through the modem first. Every received line is kept, the
// modem's command lines and escapes too, so tests can check what the program
// sent.
class ModuleSimulator : public QObject
{
    Q_OBJECT
public:
    explicit ModuleSimulator(const SimulatorSettings& settings = {}, QObject* parent = nullptr);
    ~ModuleSimulator() override;

    // Opens the pseudo-terminal and starts serving; with a link path, also
    // links that path to the device. On failure see errorString().
    bool start(const QString& linkPath = {});
    // Stops serving and closes the pseudo-terminal, as a module that is
    // switched off or a cable that is pulled.
    void hangUp();
    QString errorString() const { return m_terminal.errorString(); }

    // The slave device the program opens, e.g. /dev/pts/5.
    QString devicePath() const { return m_terminal.devicePath(); }
    QString linkPath() const { return m_terminal.linkPath(); }

    // The module's memory, version texts, fault switches and session.
    ModuleProtocol& module() { return m_protocol; }
    const ModuleProtocol& module() const { return m_protocol; }

    // The modem in front of the module, or null when there is none.
    HayesModem* modem() { return m_modem; }
    // What changes the live module over time, or null when it stands still.
    LiveActivity* liveActivity() { return m_activity; }

    // Paces both directions of the line; 0 passes bytes at once.
    void setBaudRate(int baud);

    // Bytes that crossed the line from the program to the module, and back.
    qint64 bytesFromProgram() const { return m_input.carried(); }
    qint64 bytesToProgram() const { return m_output ? m_output->written() : 0; }

    // The noise on the line, when there is any: the seed in use and each
    // direction's damage so far.
    std::uint32_t noiseSeed() const { return m_noiseSeed; }
    const LineNoise* noiseToModule() const { return m_noiseToModule ? &*m_noiseToModule : nullptr; }
    const LineNoise* noiseToProgram() const { return m_noiseToProgram ? &*m_noiseToProgram : nullptr; }

    // Sends a line of the module's own accord (CR is added).
    void sendLine(const QByteArray& line);

    const QList<QByteArray>& receivedLines() const { return m_received; }
    void clearReceivedLines() { m_received.clear(); }

signals:
    void lineReceived(const QByteArray& line);

private:
    void readMaster();
    // What has crossed the line from the program.
    qsizetype fromProgram(QByteArrayView bytes);
    void handleLine(const QByteArray& line);
    void record(const QByteArray& line);
    void toProgram(const QByteArray& bytes);

    ModuleProtocol m_protocol;
    int m_baudRate;
    LineSplitter m_lines;
    QList<QByteArray> m_received;
    HayesModem* m_modem = nullptr;
    LiveActivity* m_activity = nullptr;
    PacedLine m_input;
    // Each direction damaged on its own course, both from the one seed.
    std::uint32_t m_noiseSeed = 0;
    std::optional<LineNoise> m_noiseToModule;
    std::optional<LineNoise> m_noiseToProgram;
    PseudoTerminal m_terminal;
    // Declared after the terminal so that they let go of its master first.
    std::unique_ptr<QSocketNotifier> m_reader;
    std::unique_ptr<OutputQueue> m_output;
};
