#include "mainwin/Languages.h"

#include "ProgramVersion.h"
#include "mainwin/TForm1.h"
#include "monitor/EventCatalogue.h"
#include "params/TFormParSetting.h"
#include "params/editor/EventsPage.h"
#include "params/editor/RelaysPage.h"

#include <QLabel>

void SetInterfaceTexts(TForm1& mainWindow, TFormParSetting& editor)
{
    mainWindow.lbSelectSerialPort->setText(QStringLiteral("Soros port kiválasztása"));
    for (int n = 1; n <= params::kEventRows; ++n)
        editor.TabSheet3->rows[std::size_t(n - 1)]->EventLabel->setText(monitor::eventRowLabel(n));
    // Row 0 of the relay page keeps its own caption.
    for (int n = 1; n < params::kMaskRows; ++n)
        editor.TabSheet4->lbREventLabel[std::size_t(n)]->setText(monitor::eventRowLabel(n));
    mainWindow.setWindowTitle(QStringLiteral("GSM-Sentrova  ") + programVersionText());
}
