// Measures how long the serial monitor takes to show many received lines and
// to stay responsive with them: appending, then clearing.
#include "link/DeviceLink.h"
#include "mainwin/TSerialForm.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    DeviceLink link;
    TSerialForm form(link);
    form.show();
    QApplication::processEvents();

    constexpr int kLines = 50000;
    const QString line = QStringLiteral("RDFL") + QString(540, u'A');
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kLines; ++i) {
        link.monitor().append(i % 10 == 0 ? line : QStringLiteral("PWDOK"));
        if (i % 1000 == 0)
            QApplication::processEvents();
    }
    QApplication::processEvents();
    const qint64 appendMs = timer.restart();
    link.monitor().append(QStringLiteral("one more"));
    QApplication::processEvents();
    const qint64 oneMoreUs = timer.nsecsElapsed() / 1000;
    timer.restart();
    link.monitor().clear();
    QApplication::processEvents();
    std::printf("monitor memo: %d lines in %lld ms (%.1f us per line); one more line with them: %lld us; "
                "clear: %lld ms\n",
                kLines, appendMs, 1000.0 * double(appendMs) / kLines, oneMoreUs, timer.elapsed());
    return 0;
}
