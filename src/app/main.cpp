#include "app/AppSetup.h"
#include "app/ProgramOptions.h"
#include "app/StartUp.h"
#include "link/SessionLog.h"
#include "link/Ticks.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The help and the version are answered without a display, so that they
    // work over a remote shell and when the manual pages are made.
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        configureApplication();
        installQtTranslation();
        return answerTextRequest();
    }

    QApplication app(argc, argv);
    configureApplication();
    // The interface is Hungarian; so are the buttons of Qt's own dialogs
    // ("Igen", "Nem") when the translations are installed.
    installQtTranslation();

    ProgramOptions options;
    options.parser.process(app);
    if (!codePageReady())
        return 2;
    SessionLog sessionLog;
    if (options.parser.isSet(options.log) && !openSessionLog(sessionLog, options.parser.value(options.log)))
        return 2;

    if (const int tick = qEnvironmentVariableIntValue("SENTROVA_TICK_MS"); tick > 0)
        ticks::setLengthMs(tick);

    StartUp startUp(options.parser.value(options.port), options.parser.isSet(options.firmware));
    if (sessionLog.isOpen())
        startUp.link().serial().setSessionLog(&sessionLog);
    startUp.show();
    return QApplication::exec();
}
