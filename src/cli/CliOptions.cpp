#include "cli/CliOptions.h"

#include "cli/CliCommands.h"
#include "link/BlockTransfer.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace cli {

namespace {

QString commandUsage(const Command& command)
{
    const QString arguments = command.arguments.join(u' ');
    if (command.argumentsOptional)
        return command.name + QStringLiteral(" [") + arguments + u']';
    return (QStringList{command.name} + command.arguments).join(u' ');
}

// The history options: an account of four hex digits, a positive limit.
QString historyOptionError(const QString& account, const QString& limit, int* limitValue)
{
    static const QRegularExpression fourHexDigits(QStringLiteral("^[0-9A-Fa-f]{4}$"));
    if (!account.isEmpty() && !fourHexDigits.match(account).hasMatch())
        return QStringLiteral("--account takes 4 hex digits: ") + account;
    bool ok = true;
    *limitValue = limit.isEmpty() ? 0 : limit.toInt(&ok);
    if (!ok || *limitValue < 0 || (!limit.isEmpty() && *limitValue == 0))
        return QStringLiteral("--limit takes a positive number: ") + limit;
    return {};
}

constexpr int kUsageWidth = 22;

QString description()
{
    QString text = QStringLiteral(
        "Moves the parameters of a GSM-Sentrova module between the module and .SD2 data files,\n"
        "and asks its version, over the serial port DEVICE.\n\nCommands:\n");
    const QString indent(kUsageWidth + 4, u' ');
    for (const Command& command : commands()) {
        // A usage wider than its column gets a line of its own.
        QString usage = commandUsage(command);
        if (usage.size() > kUsageWidth)
            usage += u'\n' + indent.left(kUsageWidth + 2);
        text += QStringLiteral("  %1  %2\n")
                    .arg(usage, -kUsageWidth)
                    .arg(QString(command.summary).replace(u'\n', u'\n' + indent));
    }
    text += QStringLiteral(
        "\nThe version line goes to standard output; progress (blocks numbered 1 to 8) and the\n"
        "module's and the program's messages go to standard error.\n\n"
        "Exit status: 0 done (compare, diff: equal; write --verify: verified), 1 compare or diff\n"
        "found a difference or write --verify found the module holding other bytes, 2 any failure\n"
        "(usage, port, installer code, no answer, data version, block, file; an unknown @ID).\n\n"
        "Every read, activated write, comparison that read all eight blocks and data file opened\n"
        "or saved is archived; wherever a data file is taken, @ID names an archived image.");
    return text;
}

} // namespace

Options parseOptions(const QStringList& arguments)
{
    Options result;
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the tool's version and the data version it handles."));
    parser.addOption(version);
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Serial device of the module (all commands but diff, sheet and history)."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption code(QStringLiteral("code"), QStringLiteral("Installer code of the module."),
                                  QStringLiteral("DIGITS"));
    const QCommandLineOption showCodes(QStringLiteral("show-codes"),
                                       QStringLiteral("List user and installer codes in clear (compare, diff, write --verify)."));
    const QCommandLineOption verify(QStringLiteral("verify"),
                                    QStringLiteral("write: read the eight blocks back and compare every byte with the file."));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Append every line sent and received, timestamped, to FILE."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption noArchive(QStringLiteral("no-archive"),
                                       QStringLiteral("Leave this command out of the archive."));
    const QCommandLineOption account(QStringLiteral("account"),
                                     QStringLiteral("history: only entries of this customer account."),
                                     QStringLiteral("XXXX"));
    const QCommandLineOption site(QStringLiteral("site"),
                                  QStringLiteral("history: only entries whose site holds TEXT."),
                                  QStringLiteral("TEXT"));
    const QCommandLineOption limit(QStringLiteral("limit"), QStringLiteral("history: only the newest N entries."),
                                   QStringLiteral("N"));
    
    const QCommandLineOption attempts(
        QStringLiteral("attempts"),
        QStringLiteral("For noisy lines: make a block read or write, an activation or a code check that failed "
                       "after the module answered up to N times in all (1-%1, default 1).")
            .arg(BlockTransfer::kMostAttempts),
        QStringLiteral("N"));
    parser.addOptions({port, code, showCodes, verify, log, attempts, noArchive, account, site, limit});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("One of the commands below."),
                                 QStringLiteral("command [FILE]"));
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
    result.port = parser.value(port);
    result.code = parser.value(code);
    result.showCodes = parser.isSet(showCodes);
    result.verify = parser.isSet(verify);
    result.logFile = parser.value(log);
    result.noArchive = parser.isSet(noArchive);
    result.historyAccount = parser.value(account);
    result.historySite = parser.value(site);
    result.error = historyOptionError(result.historyAccount, parser.value(limit), &result.historyLimit);
    if (!result.error.isEmpty())
        return result;
    if (parser.isSet(attempts)) {
        bool ok = false;
        result.attempts = parser.value(attempts).toInt(&ok);
        constexpr int kFewest = BlockTransfer::kSingleAttempt;
        constexpr int kMost = BlockTransfer::kMostAttempts;
        if (!ok || result.attempts < kFewest || result.attempts > kMost) {
            result.error =
                QStringLiteral("--attempts needs a number from %1 to %2: ").arg(kFewest).arg(kMost) + parser.value(attempts);
            return result;
        }
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        result.error = QStringLiteral("No command given.");
        return result;
    }
    result.command = findCommand(positional.constFirst());
    if (!result.command) {
        result.error = QStringLiteral("Unknown command: ") + positional.constFirst();
        return result;
    }
    if (result.command->usesPort && result.port.isEmpty()) {
        result.error = QStringLiteral("No port given (--port DEVICE).");
        return result;
    }
    const qsizetype expected = 1 + result.command->arguments.size();
    if (result.command->argumentsOptional && positional.size() == 1) {
        return result;
    } else if (positional.size() < expected) {
        result.error = QStringLiteral("Missing %1 after %2.")
                           .arg(result.command->arguments.at(positional.size() - 1), result.command->name);
    } else if (positional.size() > expected) {
        result.error = QStringLiteral("Unexpected argument: ") + positional.at(expected);
    } else {
        result.arguments = positional.mid(1);
    }
    return result;
}

} // namespace cli
