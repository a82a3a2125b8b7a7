#include "app/AppSetup.h"

#include "link/Cp1250.h"
#include "link/SessionLog.h"
#include "ui/Prompter.h"
#include "ui/WheelGuard.h"

#include <QApplication>

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("sentrova"));
    QApplication::setQuitOnLastWindowClosed(false);
    installWheelGuard();
}

bool codePageReady()
{
    if (cp1250Available())
        return true;
    prompter().error(QStringLiteral("A windows-1250 kódlap nem érhető el (a Qt ICU nélkül készült). "
                                    "A program nem indul el, hogy ne rontsa el az ékezetes neveket."));
    return false;
}

bool openSessionLog(SessionLog& log, const QString& path)
{
    QString reason;
    if (log.open(path, &reason))
        return true;
    prompter().error(QStringLiteral("A naplófájl nem nyitható meg: %1 (%2)").arg(path, reason));
    return false;
}
