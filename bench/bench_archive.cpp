// Measures the archive: what archiving adds to a read from the simulated
// module, opening the history window on 10,000 entries and filtering them,
// and the size of an archive file of 10,000 distinct images (installations
// made from one template, and the worst case of random bytes).
// Run it on the display in use, or with QT_QPA_PLATFORM=offscreen.
#include "DemoMemory.h"
#include "LinkedModule.h"
#include "TestTicks.h"

#include "archive/ImageArchive.h"
#include "params/DigitFields.h"
#include "params/ImageArchiving.h"
#include "params/ParameterTransfer.h"
#include "params/TFormHistory.h"
#include "params/TextFields.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kEntries = 10000;
constexpr int kReads = 40;

double milliseconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Spread
{
    double median;
    double slowest;
};

Spread spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

// Installation `n` made from the demo: its own account, a few zone and user
// names, telephone numbers and delays.
params::ParameterImage installation(int n)
{
    params::ParameterImage image;
    image.bytes() = demoParameterMemory();
    const QString hex = QStringLiteral("%1").arg(n, 4, 16, QLatin1Char('0')).toUpper();
    params::WriteAccount(image, params::fieldRef(params::Field::CustomerAccount),
                         {hex.mid(0, 1), hex.mid(1, 1), hex.mid(2, 1), hex.mid(3, 1)});
    QRandomGenerator random{quint32(n)};
    for (int zone = 1; zone <= 3; ++zone)
        params::WriteText(image, params::fieldRef(params::Field::ZoneName, zone),
                          QStringLiteral("Zóna %1-%2").arg(n % 1000).arg(random.bounded(100)));
    params::WriteText(image, params::fieldRef(params::Field::UserName, 1), QStringLiteral("Ügyfél %1").arg(n));
    params::PhoneCells phone{};
    const QString number = QStringLiteral("36%1").arg(random.bounded(100000000, 999999999));
    for (int k = 0; k < number.size(); ++k)
        phone[std::size_t(k)] = number.mid(k, 1);
    params::WriteDigits(image, params::fieldRef(params::Field::Phone, 1), phone);
    image.set(params::offsetOf(params::Field::ZoneEntryDelay, 1), std::uint8_t(random.bounded(60)));
    return image;
}

params::ParameterImage randomImage(int n)
{
    params::ParameterImage image;
    QRandomGenerator random{quint32(n) + 1000000};
    for (auto& byte : image.bytes())
        byte = std::uint8_t(random.bounded(256));
    return image;
}

// Fills an archive with 10,000 entries, each of its own image; the size of
// its file once closed.
qint64 fill(const QString& folder, params::ParameterImage (*imageOf)(int))
{
    {
        archive::ImageArchive archive(folder);
        for (int n = 0; n < kEntries; ++n) {
            const params::ParameterImage image = imageOf(n);
            params::archiveImage(&archive, n % 2 ? archive::Operation::Read : archive::Operation::Write,
                                 QStringLiteral("/dev/ttyUSB0"), {QStringLiteral("GSM-SENTROVA V3.05"), 2}, image);
        }
        if (archive.isOff()) {
            std::fprintf(stderr, "archiving failed: %s\n", qPrintable(archive.offReason()));
            return -1;
        }
    }
    return QFileInfo(QDir(folder).filePath(QStringLiteral("archive.sqlite"))).size();
}

// Reads from the in-process simulator, with and without an archive of
// 10,000 entries, and times the archiving alone.
void measureReads(const QString& folder)
{
    useTestTicks();
    LinkedModule m;
    if (!m.connect()) {
        std::fprintf(stderr, "the simulator did not start\n");
        return;
    }
    params::ParameterImage image;
    archive::ImageArchive archive(folder);
    std::vector<double> plain;
    std::vector<double> archived;
    std::vector<double> archiving;
    QElapsedTimer timer;
    params::ParameterTransfer withoutArchive(m.link, image);
    params::ParameterTransfer withArchive(m.link, image);
    withArchive.setArchive(&archive);
    const auto timedRead = [&](params::ParameterTransfer& transfer, std::vector<double>& times) {
        timer.start();
        const bool done = transfer.read() == params::TransferOutcome::Done;
        times.push_back(milliseconds(timer));
        return done;
    };
    for (int i = 0; i < kReads; ++i) {
        // In turns, so that neither kind always comes first.
        const bool done = i % 2 ? timedRead(withoutArchive, plain) && timedRead(withArchive, archived)
                                : timedRead(withArchive, archived) && timedRead(withoutArchive, plain);
        if (!done) {
            std::fprintf(stderr, "a read failed\n");
            return;
        }
        // A new image each time, the costlier case.
        const params::ParameterImage distinct = installation(kEntries + i);
        timer.start();
        params::archiveImage(&archive, archive::Operation::Read, QStringLiteral("/dev/ttyUSB0"),
                             {QStringLiteral("GSM-SENTROVA V3.05"), 2}, distinct);
        archiving.push_back(milliseconds(timer));
    }
    const Spread p = spread(plain);
    const Spread a = spread(archived);
    const Spread one = spread(archiving);
    std::printf("read at a %d ms tick: median %.1f ms without the archive, %.1f ms with it (slowest %.1f, %.1f)\n",
                kTestTickMs, p.median, a.median, p.slowest, a.slowest);
    std::printf("archiving one new image into %d entries: median %.2f ms, slowest %.2f ms of %d\n", kEntries,
                one.median, one.slowest, kReads);
}

void measureWindow(const QString& folder)
{
    constexpr int kOpenings = 7;
    archive::ImageArchive archive(folder);
    params::ParameterImage image;
    std::vector<double> openings;
    std::vector<double> readings;
    QElapsedTimer timer;
    for (int i = 0; i < kOpenings; ++i) {
        timer.start();
        TFormHistory window(archive, image);
        window.reload();
        readings.push_back(milliseconds(timer));
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            std::fprintf(stderr, "the history window was never shown\n");
            return;
        }
        openings.push_back(milliseconds(timer));
        if (i + 1 < kOpenings)
            continue;
        std::printf("history window with %d entries: created and filled in median %.1f ms, shown in median %.1f ms "
                    "(slowest %.1f ms of %d)\n",
                    window.model().entryCount(), spread(readings).median, spread(openings).median,
                    spread(openings).slowest, kOpenings);
        for (const char* text : {"0A", "ffff", "Zóna", "malom", "", "1", ""}) {
            timer.start();
            window.edFilter->setText(QString::fromUtf8(text));
            window.repaint();
            std::printf("  filter \"%s\": %d rows in %.1f ms\n", text, window.model().rowCount(),
                        milliseconds(timer));
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString installations = dir.filePath(QStringLiteral("installations"));
    QElapsedTimer timer;
    timer.start();
    const qint64 size = fill(installations, installation);
    std::printf("archive.sqlite with %d distinct installations: %.2f MB (filled in %.1f s)\n", kEntries,
                double(size) / 1e6, milliseconds(timer) / 1000);
    const qint64 randomSize = fill(dir.filePath(QStringLiteral("random")), randomImage);
    std::printf("archive.sqlite with %d distinct random images (worst case): %.2f MB\n", kEntries,
                double(randomSize) / 1e6);
    measureReads(installations);
    measureWindow(installations);
    return 0;
}
