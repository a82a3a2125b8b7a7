#include "mainwin/Languages.h"

#include "mainwin/ProgramVersion.h"
#include "mainwin/TForm1.h"

#include <QLabel>

void SetInterfaceTexts(TForm1& mainWindow)
{
    mainWindow.lbSelectSerialPort->setText(QStringLiteral("Soros port kiválasztása"));
    mainWindow.setWindowTitle(QStringLiteral("GSM-Sentrova  ") + programVersionText());
}
