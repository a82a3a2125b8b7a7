#include "CommandLine.h"

#include "DemoMemory.h"
#include "FirmwareReceiver.h"
#include "LineNoise.h"
#include "OutputQueue.h"
#include "StatusLines.h"

#include "CodePage.h"
#include "Wire.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <limits>
#include <optional>
#include <utility>

namespace {

bool isInstallerCode(const QString& text)
{
    static const QRegularExpression kDigits(QStringLiteral("^[0-9]{0,%1}$").arg(simwire::kCodeLength));
    return kDigits.match(text).hasMatch();
}

// The option's value as a whole number from `lowest` to `highest`; sets `error` otherwise.
std::optional<int> numberOption(const QCommandLineParser& parser, const QCommandLineOption& option, int lowest,
                                int highest, QString& error)
{
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (ok && value >= lowest && value <= highest)
        return value;
    error = QStringLiteral("--%1 needs a number from %2 to %3: ")
                .arg(option.names().constFirst())
                .arg(lowest)
                .arg(highest)
        + parser.value(option);
    return std::nullopt;
}

constexpr int kNoLimit = std::numeric_limits<int>::max();

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Stands in for the module on a pseudo-terminal. Prints the device path as the first "
        "line and serves until SIGINT or SIGTERM."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Prints the simulator's version and the data version it reports."));
    parser.addOption(version);
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Makes PATH a symbolic link to the device."), QStringLiteral("PATH"));
    const QCommandLineOption code(QStringLiteral("code"),
                                  QStringLiteral("Installer code, up to %1 digits (default %2).")
                                      .arg(simwire::kCodeLength)
                                      .arg(QString::fromUtf16(demo::kInstallerCode)),
                                  QStringLiteral("DIGITS"));
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  QStringLiteral("Paces both directions of the line at this speed (default: unpaced)."),
                                  QStringLiteral("RATE"));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never answers."));
    const QCommandLineOption refuseCode(QStringLiteral("refuse-code"),
                                        QStringLiteral("Refuses every installer code."));
    const QCommandLineOption wrongBlock(QStringLiteral("wrong-block"),
                                        QStringLiteral("Sends blocks with the next block number."));
    const QCommandLineOption badChecksum(QStringLiteral("bad-checksum"),
                                         QStringLiteral("Sends blocks with a wrong checksum."));
    const QCommandLineOption programVersion(QStringLiteral("program-version"),
                                            QStringLiteral("Program version text of the version block."),
                                            QStringLiteral("TEXT"));
    const QCommandLineOption dataVersion(QStringLiteral("data-version"),
                                         QStringLiteral("Data version text of the version block."),
                                         QStringLiteral("TEXT"));
    const QCommandLineOption modem(QStringLiteral("modem"),
                                   QStringLiteral("Puts a Hayes modem in front of the module: it answers AT, "
                                                  "ATH and ATD, and passes data after CONNECT."));
    const QCommandLineOption modemSilent(QStringLiteral("modem-silent"),
                                         QStringLiteral("With a modem that never answers (implies --modem)."));
    const QCommandLineOption modemIgnoresHangUp(
        QStringLiteral("modem-ignores-ath"),
        QStringLiteral("With a modem that never answers ATH (implies --modem)."));
    const QCommandLineOption modemConnect(QStringLiteral("modem-connect-ms"),
                                          QStringLiteral("Time from the dial line to CONNECT (default %1).")
                                              .arg(ModemSettings{}.connectDelayMs),
                                          QStringLiteral("MS"));
    const QCommandLineOption modemGuard(QStringLiteral("modem-guard-ms"),
                                        QStringLiteral("Silence before and after the +++ escape (default %1).")
                                            .arg(ModemSettings{}.escapeGuardMs),
                                        QStringLiteral("MS"));
    const QCommandLineOption load(QStringLiteral("load"),
                                  QStringLiteral("Starts with the parameters of this data file (.SD2)."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption saveOnExit(QStringLiteral("save-on-exit"),
                                        QStringLiteral("Saves the parameters in use to this data file at exit."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption dropBlock(QStringLiteral("drop-block"),
                                       QStringLiteral("Never answers a read of this parameter block (0-7)."),
                                       QStringLiteral("N"));
    const QCommandLineOption nakWrite(QStringLiteral("nak-write"),
                                      QStringLiteral("Never acknowledges a write of this parameter block (0-7)."),
                                      QStringLiteral("N"));
    const QCommandLineOption noActivation(QStringLiteral("no-activation"),
                                          QStringLiteral("Never confirms WRACT; written blocks stay staged."));
    const QCommandLineOption corruptByte(
        QStringLiteral("corrupt-byte"),
        QStringLiteral("Stores this byte of the parameters (0-%1) with its lowest bit flipped at every activation.")
            .arg(memory::kSize - 1),
        QStringLiteral("OFFSET"));
    const QCommandLineOption statusForm(QStringLiteral("status-form"),
                                        QStringLiteral("Form 1-4 of the status report (default %1).")
                                            .arg(SimulatorSettings{}.statusForm),
                                        QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the module's changes over time (default: a fresh one)."),
                                  QStringLiteral("N"));
    const QCommandLineOption still(QStringLiteral("still"),
                                   QStringLiteral("The module's state changes only by commands."));
    const QCommandLineOption nakFirmware(
        QStringLiteral("nak-firmware"),
        QStringLiteral("Never acknowledges firmware frame N (0-511, block address 33 + N)."), QStringLiteral("N"));
    const QCommandLineOption nakFirmwareOnce(
        QStringLiteral("nak-firmware-once"),
        QStringLiteral("Ignores the first write of firmware frame N (0-511) and takes it when it comes again."),
        QStringLiteral("N"));
    const QCommandLineOption refuseFirmware(QStringLiteral("refuse-firmware"),
                                            QStringLiteral("Never confirms the firmware check."));
    const QCommandLineOption writeFirmware(
        QStringLiteral("write-firmware"),
        QStringLiteral("Writes a demo firmware file (.GSF) and exits without serving."), QStringLiteral("FILE"));
    const QCommandLineOption firmwareLines(QStringLiteral("lines"),
                                           QStringLiteral("Lines of the demo firmware file (default %1).")
                                               .arg(CommandLine::kDemoFirmwareLines),
                                           QStringLiteral("N"));
    const QCommandLineOption noise(
        QStringLiteral("noise"),
        QStringLiteral("Damages each byte crossing the line, either way, with this probability (0-1): it is replaced "
                       "by a random printable character, dropped or doubled, one third each."),
        QStringLiteral("RATE"));
    const QCommandLineOption noiseSeed(QStringLiteral("noise-seed"),
                                       QStringLiteral("Seed of the noise, to replay a run (default: a fresh one)."),
                                       QStringLiteral("N"));
    parser.addOptions({link, code, baud, noise, noiseSeed, silent, refuseCode, wrongBlock, badChecksum,
                       programVersion, dataVersion, modem, modemSilent, modemIgnoresHangUp, modemConnect, modemGuard,
                       load, saveOnExit, dropBlock, nakWrite, noActivation, corruptByte, statusForm, seed, still,
                       nakFirmware, nakFirmwareOnce, refuseFirmware, writeFirmware, firmwareLines});

    result.helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.helpRequested = true;
        return result;
    }
    if (parser.isSet(version)) {
        result.versionRequested = true;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = QStringLiteral("Unexpected argument: ") + parser.positionalArguments().constFirst();
        return result;
    }

    SimulatorSettings& settings = result.settings;
    result.linkPath = parser.value(link);
    if (parser.isSet(code)) {
        const QString digits = parser.value(code);
        if (!isInstallerCode(digits)) {
            result.error = QStringLiteral("The installer code must be at most %1 digits: ").arg(simwire::kCodeLength) + digits;
            return result;
        }
        settings.installerCode = digits;
    }
    if (parser.isSet(baud)) {
        const std::optional<int> rate = numberOption(parser, baud, OutputQueue::kMinimumBaud, kNoLimit, result.error);
        if (!rate)
            return result;
        settings.baudRate = *rate;
    }
    if (parser.isSet(noise)) {
        bool ok = false;
        const double rate = parser.value(noise).toDouble(&ok);
        if (!ok || !(rate >= 0 && rate <= LineNoise::kHighestRate)) {
            result.error = QStringLiteral("--noise needs a probability from 0 to 1: ") + parser.value(noise);
            return result;
        }
        settings.noiseRate = rate;
    }
    if (parser.isSet(noiseSeed)) {
        bool ok = false;
        const std::uint32_t value = parser.value(noiseSeed).toUInt(&ok);
        if (!ok || !parser.isSet(noise)) {
            result.error = ok ? QStringLiteral("--noise-seed needs --noise")
                              : QStringLiteral("--noise-seed needs a whole number: ") + parser.value(noiseSeed);
            return result;
        }
        settings.noiseSeed = value;
    }
    settings.faults.silent = parser.isSet(silent);
    settings.faults.refuseCode = parser.isSet(refuseCode);
    settings.faults.wrongBlock = parser.isSet(wrongBlock);
    settings.faults.badChecksum = parser.isSet(badChecksum);
    settings.faults.noActivation = parser.isSet(noActivation);
    for (const auto& [option, field] : {std::pair{&dropBlock, &settings.faults.dropReadBlock},
                                        std::pair{&nakWrite, &settings.faults.nakWriteBlock}}) {
        if (!parser.isSet(*option))
            continue;
        const std::optional<int> block = numberOption(parser, *option, 0, memory::kBlockCount - 1, result.error);
        if (!block)
            return result;
        *field = block;
    }
    if (parser.isSet(corruptByte)) {
        const std::optional<int> offset = numberOption(parser, corruptByte, 0, memory::kSize - 1, result.error);
        if (!offset)
            return result;
        settings.faults.corruptByte = offset;
    }
    settings.faults.refuseFirmware = parser.isSet(refuseFirmware);
    for (const auto& [option, field] : {std::pair{&nakFirmware, &settings.faults.nakFirmwareFrame},
                                        std::pair{&nakFirmwareOnce, &settings.faults.nakFirmwareOnce}}) {
        if (!parser.isSet(*option))
            continue;
        const std::optional<int> frame =
            numberOption(parser, *option, 0, FirmwareReceiver::kMaxFrames - 1, result.error);
        if (!frame)
            return result;
        *field = frame;
    }
    result.writeFirmwarePath = parser.value(writeFirmware);
    if (parser.isSet(firmwareLines)) {
        const std::optional<int> lines =
            numberOption(parser, firmwareLines, 0, CommandLine::kMostFirmwareLines, result.error);
        if (!lines)
            return result;
        result.firmwareLines = *lines;
    }
    if (parser.isSet(statusForm)) {
        const std::optional<int> form = numberOption(parser, statusForm, statusline::kFirstForm,
                                                     statusline::kLastForm, result.error);
        if (!form)
            return result;
        settings.statusForm = *form;
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        const std::uint32_t value = parser.value(seed).toUInt(&ok);
        if (!ok) {
            result.error = QStringLiteral("--seed needs a whole number: ") + parser.value(seed);
            return result;
        }
        settings.seed = value;
    }
    settings.live = !parser.isSet(still);
    result.loadPath = parser.value(load);
    result.saveOnExitPath = parser.value(saveOnExit);
    if (parser.isSet(programVersion))
        settings.versions.program = codepage::encode(parser.value(programVersion));
    if (parser.isSet(dataVersion))
        settings.versions.data = codepage::encode(parser.value(dataVersion));

    ModemSettings& modemSettings = settings.modem;
    modemSettings.silent = parser.isSet(modemSilent);
    modemSettings.ignoresHangUp = parser.isSet(modemIgnoresHangUp);
    modemSettings.enabled = parser.isSet(modem) || modemSettings.silent || modemSettings.ignoresHangUp;
    for (const auto& [option, field] : {std::pair{&modemConnect, &modemSettings.connectDelayMs},
                                        std::pair{&modemGuard, &modemSettings.escapeGuardMs}}) {
        if (!parser.isSet(*option))
            continue;
        const std::optional<int> ms = numberOption(parser, *option, 1, kNoLimit, result.error);
        if (!ms)
            return result;
        *field = *ms;
    }
    return result;
}
