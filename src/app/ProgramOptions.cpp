#include "app/ProgramOptions.h"

#include "ProgramVersion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

ProgramOptions::ProgramOptions()
    // Qt's own help option would bring English texts.
    : help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Kiírja ezt a súgót."))
    , version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
              QStringLiteral("Kiírja a program verzióját és a kezelt adatverziót."))
    , port(QStringLiteral("port"),
           QStringLiteral("Az ESZKÖZ soros eszközt (például a szimulátorét) felveszi a portok listájára, "
                          "és kiválasztja."),
           QStringLiteral("ESZKÖZ"))
    , firmware(QStringLiteral("firmware"),
               QStringLiteral("Megjeleníti a főablak Firmware gombját (csak szervizmunkához)."))
    , log(QStringLiteral("log"),
          QStringLiteral("A modulnak küldött és tőle kapott minden sort ezredmásodperces időbélyeggel a "
                         "FÁJL végéhez fűz (hibakereséshez)."),
          QStringLiteral("FÁJL"))
{
    parser.setApplicationDescription(
        QStringLiteral("A GSM-Sentrova riasztó kommunikátor modul beállító és felügyeleti programja."));
    parser.addOptions({help, version, port, firmware, log});
}

bool asksOnlyForText(int argc, char* argv[])
{
    // Parsed as the program parses it, so that an option's value ("--port -v")
    // is not taken for a question.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    ProgramOptions options;
    options.parser.parse(arguments);
    return options.parser.isSet(options.help) || options.parser.isSet(options.version);
}

void installQtTranslation()
{
    // Lives as long as the application that uses it.
    static QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
}

int answerTextRequest()
{
    ProgramOptions options;
    if (!options.parser.parse(QCoreApplication::arguments())) {
        QTextStream(stderr) << options.parser.errorText() << Qt::endl;
        return 1;
    }
    QTextStream out(stdout);
    if (options.parser.isSet(options.version))
        out << versionOutputLine(QCoreApplication::applicationName()) << Qt::endl;
    else
        out << options.parser.helpText() << Qt::flush;
    return 0;
}
