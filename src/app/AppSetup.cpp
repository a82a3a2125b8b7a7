#include "app/AppSetup.h"

#include "link/Cp1250.h"
#include "mainwin/Prompter.h"

#include <QApplication>

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("sentrova"));
    QApplication::setQuitOnLastWindowClosed(false);
}

bool codePageReady()
{
    if (cp1250Available())
        return true;
    prompter().error(QStringLiteral("A windows-1250 kódlap nem érhető el (a Qt ICU nélkül készült). "
                                    "A program nem indul el, hogy ne rontsa el az ékezetes neveket."));
    return false;
}
