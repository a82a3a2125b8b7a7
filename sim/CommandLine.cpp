#include "CommandLine.h"

#include "DemoMemory.h"
#include "OutputQueue.h"

#include "link/Commands.h"
#include "link/Cp1250.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

bool isInstallerCode(const QString& text)
{
    static const QRegularExpression kDigits(QStringLiteral("^[0-9]{0,%1}$").arg(kCodeLength));
    return kDigits.match(text).hasMatch();
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Stands in for the module on a pseudo-terminal. Prints the device path as the first "
        "line and serves until SIGINT or SIGTERM."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Makes PATH a symbolic link to the device."), QStringLiteral("PATH"));
    const QCommandLineOption code(QStringLiteral("code"),
                                  QStringLiteral("Installer code, up to %1 digits (default %2).")
                                      .arg(kCodeLength)
                                      .arg(QString::fromUtf16(demo::kInstallerCode)),
                                  QStringLiteral("DIGITS"));
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  QStringLiteral("Paces the output at this line speed (default: unpaced)."),
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
    parser.addOptions({link, code, baud, silent, refuseCode, wrongBlock, badChecksum, programVersion, dataVersion});

    result.helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.helpRequested = true;
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
            result.error = QStringLiteral("The installer code must be at most %1 digits: ").arg(kCodeLength) + digits;
            return result;
        }
        settings.installerCode = digits;
    }
    if (parser.isSet(baud)) {
        bool ok = false;
        const int rate = parser.value(baud).toInt(&ok);
        if (!ok || rate < OutputQueue::kMinimumBaud) {
            result.error = QStringLiteral("The line speed must be a number of at least %1: ")
                               .arg(OutputQueue::kMinimumBaud) + parser.value(baud);
            return result;
        }
        settings.baudRate = rate;
    }
    settings.faults.silent = parser.isSet(silent);
    settings.faults.refuseCode = parser.isSet(refuseCode);
    settings.faults.wrongBlock = parser.isSet(wrongBlock);
    settings.faults.badChecksum = parser.isSet(badChecksum);
    if (parser.isSet(programVersion))
        settings.versions.program = toCp1250(parser.value(programVersion));
    if (parser.isSet(dataVersion))
        settings.versions.data = toCp1250(parser.value(dataVersion));
    return result;
}
