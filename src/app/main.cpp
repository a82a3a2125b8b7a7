#include "link/Ticks.h"
#include "mainwin/TForm1.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sentrova"));
    QApplication::setApplicationDisplayName(QStringLiteral("GSM-Sentrova Pultrex"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("GSM-Sentrova configuration and monitoring tool"));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Adds the serial device PATH to the port list and selects it."),
                                        QStringLiteral("PATH"));
    parser.addOption(portOption);
    parser.process(app);

    if (const int tick = qEnvironmentVariableIntValue("SENTROVA_TICK_MS"); tick > 0)
        ticks::setLengthMs(tick);

    TForm1 form;
    if (parser.isSet(portOption))
        form.addPort(parser.value(portOption));
    form.show();
    return QApplication::exec();
}
