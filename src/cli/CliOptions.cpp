#include "cli/CliOptions.h"

#include "cli/CliCommands.h"

#include <QCommandLineParser>

namespace cli {

namespace {

QString commandUsage(const Command& command)
{
    return command.argument.isEmpty() ? command.name : command.name + u' ' + command.argument;
}

QString description()
{
    QString text = QStringLiteral(
        "Moves the parameters of a GSM-Sentrova module between the module and .SD2 data files,\n"
        "and asks its version, over the serial port DEVICE.\n\nCommands:\n");
    for (const Command& command : commands())
        text += QStringLiteral("  %1  %2\n").arg(commandUsage(command), -18).arg(command.summary);
    text += QStringLiteral(
        "\nThe version line goes to standard output; progress (blocks numbered 1 to 8) and the\n"
        "module's and the program's messages go to standard error.\n\n"
        "Exit status: 0 done (compare: equal), 1 compare found a difference,\n"
        "2 any failure (usage, port, installer code, no answer, data version, block, file).");
    return text;
}

} // namespace

Options parseOptions(const QStringList& arguments)
{
    Options result;
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Serial device of the module (required)."),
                                  QStringLiteral("DEVICE"));
    const QCommandLineOption code(QStringLiteral("code"), QStringLiteral("Installer code of the module."),
                                  QStringLiteral("DIGITS"));
    parser.addOptions({port, code});
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
    result.port = parser.value(port);
    result.code = parser.value(code);
    const QStringList positional = parser.positionalArguments();
    if (result.port.isEmpty()) {
        result.error = QStringLiteral("No port given (--port DEVICE).");
        return result;
    }
    if (positional.isEmpty()) {
        result.error = QStringLiteral("No command given.");
        return result;
    }
    result.command = findCommand(positional.constFirst());
    if (!result.command) {
        result.error = QStringLiteral("Unknown command: ") + positional.constFirst();
        return result;
    }
    const qsizetype expected = result.command->argument.isEmpty() ? 1 : 2;
    if (positional.size() < expected) {
        result.error = QStringLiteral("Missing %1 after %2.").arg(result.command->argument, result.command->name);
    } else if (positional.size() > expected) {
        result.error = QStringLiteral("Unexpected argument: ") + positional.at(expected);
    } else if (expected == 2) {
        result.argument = positional.at(1);
    }
    return result;
}

} // namespace cli
