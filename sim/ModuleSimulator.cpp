#include "ModuleSimulator.h"

#include "DemoMemory.h"

#include "Wire.h"

#include <QDebug>

#include <array>
#include <cerrno>
#include <cstring>
#include <random>

#include <unistd.h>

namespace {

// Turns the seed of one direction's noise into the other's.
constexpr std::uint32_t kOtherDirection = 0x9E3779B9;

ParameterMemory startingMemory(const SimulatorSettings& settings)
{
    ParameterMemory mem = settings.memory ? *settings.memory : demoParameterMemory();
    if (settings.installerCode)
        storeInstallerCode(mem, *settings.installerCode);
    return mem;
}

} // namespace

ModuleSimulator::ModuleSimulator(const SimulatorSettings& settings, QObject* parent)
    : QObject(parent)
    , m_protocol(startingMemory(settings))
    , m_baudRate(settings.baudRate)
    , m_lines([this](const QByteArray& line) { handleLine(line); })
    , m_input([this](QByteArrayView bytes) { return fromProgram(bytes); })
{
    m_input.setBaudRate(m_baudRate);
    m_protocol.setVersionTexts(settings.versions);
    m_protocol.faults() = settings.faults;
    m_protocol.setStatusForm(settings.statusForm);
    m_protocol.radio().setThroughModem(settings.modem.enabled);
    m_protocol.radio().setDrifting(settings.live);
    if (settings.live) {
        m_activity = new LiveActivity(m_protocol.live(), settings.seed.value_or(std::random_device{}()), this);
        m_activity->start();
    }
    if (settings.noiseRate > 0) {
        m_noiseSeed = settings.noiseSeed.value_or(std::random_device{}());
        m_noiseToModule.emplace(settings.noiseRate, m_noiseSeed);
        // Another course for the other direction, fixed by the same seed.
        m_noiseToProgram.emplace(settings.noiseRate, m_noiseSeed ^ kOtherDirection);
    }
    if (settings.modem.enabled) {
        m_modem = new HayesModem(settings.modem, this);
        connect(m_modem, &HayesModem::toModule, this, [this](const QByteArray& bytes) {
            for (char c : bytes)
                m_lines.feed(c);
        });
        connect(m_modem, &HayesModem::toProgram, this, &ModuleSimulator::toProgram);
        connect(m_modem, &HayesModem::commandReceived, this, &ModuleSimulator::record);
    }
}

ModuleSimulator::~ModuleSimulator() = default;

bool ModuleSimulator::start(const QString& linkPath)
{
    if (m_reader)
        return true;
    if (!m_terminal.open())
        return false;
    if (!linkPath.isEmpty() && !m_terminal.createLink(linkPath))
        return false;
    const int master = m_terminal.masterFd();
    m_output = std::make_unique<OutputQueue>(master);
    m_output->setBaudRate(m_baudRate);
    m_reader = std::make_unique<QSocketNotifier>(master, QSocketNotifier::Read);
    connect(m_reader.get(), &QSocketNotifier::activated, this, &ModuleSimulator::readMaster);
    return true;
}

void ModuleSimulator::hangUp()
{
    m_reader.reset();
    m_output.reset();
    m_terminal.close();
}

void ModuleSimulator::setBaudRate(int baud)
{
    m_baudRate = baud;
    m_input.setBaudRate(baud);
    if (m_output)
        m_output->setBaudRate(baud);
}

void ModuleSimulator::sendLine(const QByteArray& line)
{
    const QByteArray bytes = line + simwire::kCR;
    if (m_modem)
        m_modem->transmit(bytes);
    else
        toProgram(bytes);
}

void ModuleSimulator::toProgram(const QByteArray& bytes)
{
    if (m_output)
        m_output->send(m_noiseToProgram ? m_noiseToProgram->pass(bytes) : bytes);
}

void ModuleSimulator::readMaster()
{
    std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t n = ::read(m_terminal.masterFd(), buffer.data(), buffer.size());
        if (n > 0) {
            // The program's port took the bytes at once; the module gets
            // them as they cross the line.
            const QByteArrayView bytes(buffer.data(), n);
            if (m_noiseToModule)
                m_input.send(m_noiseToModule->pass(bytes));
            else
                m_input.send(bytes);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        // With our own slave descriptor open this should not happen; stop
        // listening rather than be woken for ever by the same condition.
        qWarning("sentrova-sim: reading the pseudo-terminal failed: %s",
                 n == 0 ? "end of file" : std::strerror(errno));
        m_reader->setEnabled(false);
        return;
    }
}

qsizetype ModuleSimulator::fromProgram(QByteArrayView bytes)
{
    if (m_modem) {
        m_modem->receive(bytes);
    } else {
        for (char c : bytes)
            m_lines.feed(c);
    }
    return bytes.size();
}

void ModuleSimulator::record(const QByteArray& line)
{
    m_received.append(line);
    emit lineReceived(line);
}

void ModuleSimulator::handleLine(const QByteArray& line)
{
    record(line);
    for (const QByteArray& reply : m_protocol.handleLine(line))
        sendLine(reply);
}
