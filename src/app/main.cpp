#include "app/AppSetup.h"
#include "app/StartUp.h"
#include "link/SessionLog.h"
#include "link/Ticks.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    configureApplication();

    // The interface is Hungarian; so are the buttons of Qt's own dialogs
    // ("Igen", "Nem") when the translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Configuration and monitoring tool of the GSM-Sentrova alarm communicator module."));
    parser.addHelpOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Adds the serial device PATH to the port list and selects it."),
        QStringLiteral("PATH"));
    parser.addOption(portOption);
    const QCommandLineOption firmwareOption(
        QStringLiteral("firmware"), QStringLiteral("Shows the firmware update button, for service work."));
    parser.addOption(firmwareOption);
    const QCommandLineOption logOption(
        QStringLiteral("log"),
        QStringLiteral("Appends every line sent to and received from the module, with a millisecond timestamp, to FILE."),
        QStringLiteral("FILE"));
    parser.addOption(logOption);
    parser.process(app);
    if (!codePageReady())
        return 2;
    SessionLog sessionLog;
    if (parser.isSet(logOption) && !openSessionLog(sessionLog, parser.value(logOption)))
        return 2;

    if (const int tick = qEnvironmentVariableIntValue("SENTROVA_TICK_MS"); tick > 0)
        ticks::setLengthMs(tick);

    StartUp startUp(parser.value(portOption), parser.isSet(firmwareOption));
    if (sessionLog.isOpen())
        startUp.link().serial().setSessionLog(&sessionLog);
    startUp.show();
    return QApplication::exec();
}
