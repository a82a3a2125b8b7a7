// Measures the settings editor: how long creating it takes (it is created at
// start-up, between the splash and the main window), and how long filling it
// from an image and showing it takes (every time the installer opens it).
// Run it on the display in use, or with QT_QPA_PLATFORM=offscreen.
#include "DemoMemory.h"

#include "params/TFormOnOffMode.h"
#include "params/TFormParSetting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kOpenings = 20;

double milliseconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    params::ParameterImage image;
    image.bytes() = demoParameterMemory();

    QElapsedTimer timer;
    timer.start();
    TFormParSetting editor(image);
    const double created = milliseconds(timer);
    TFormOnOffMode dialog;
    editor.setArmingModeDialog(dialog);

    std::vector<double> openings;
    for (int i = 0; i < kOpenings; ++i) {
        timer.start();
        editor.LoadFromImage();
        editor.show();
        if (!QTest::qWaitForWindowExposed(&editor)) {
            std::fprintf(stderr, "the editor was never shown\n");
            return 1;
        }
        openings.push_back(milliseconds(timer));
        editor.hide();
        QCoreApplication::processEvents();
    }
    const double first = openings.front();
    std::sort(openings.begin(), openings.end());
    std::printf("editor creation: %.1f ms\n", created);
    std::printf("LoadFromImage + show: first %.1f ms, median %.1f ms, slowest %.1f ms of %d (platform %s)\n",
                first, openings[openings.size() / 2], openings.back(), kOpenings,
                qPrintable(QGuiApplication::platformName()));
    return 0;
}
