// The parameter transfer window: its buttons clicked against the simulated
// module, its panel colours and the texts it gives to the dialogs.
#include "FileBytes.h"
#include "FieldProbe.h"
#include "FileSizeLimit.h"
#include "LinkedModule.h"
#include "PdfText.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"
#include "TextFit.h"
#include "TransferProbe.h"

#include "link/LinkTexts.h"
#include "params/DataFile.h"
#include "params/ImageLayout.h"
#include "params/TFormDifferences.h"
#include "params/TFormDownload.h"
#include "params/TFormParSetting.h"
#include "params/TextFields.h"

#include <QFile>
#include <QDir>
#include <QRegularExpression>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QLayout>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace params;

namespace {

using Colours = QList<QColor>;

Colours repeated(const QColor& colour, int count)
{
    return Colours(count, colour);
}

// Panels 1..greenCount green, the rest `rest`.
Colours greenThen(int greenCount, const QColor& rest)
{
    return repeated(TFormDownload::kGreen, greenCount) + repeated(rest, TFormDownload::kPanelCount - greenCount);
}

const Colours kAllGreen = repeated(TFormDownload::kGreen, TFormDownload::kPanelCount);
const Colours kAllRed = repeated(TFormDownload::kRed, TFormDownload::kPanelCount);
const Colours kAllSilver = repeated(TFormDownload::kSilver, TFormDownload::kPanelCount);

QByteArray bytesOf(const ParameterImage& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.bytes().data()), ParameterImage::kSize);
}

// The window on a simulated module, with the dialogs scripted.
struct Rig
{
    explicit Rig(const SimulatorSettings& settings = {})
        : m(settings)
        , editor(image)
        , form(m.link, image, editor)
    {
    }

    Colours colours() const
    {
        Colours result;
        for (int n = 0; n < TFormDownload::kPanelCount; ++n)
            result << form.blockPanelColour(n);
        return result;
    }

    QList<bool> transferButtonsEnabled() const
    {
        QList<bool> enabled;
        for (const QPushButton* b : {form.btOpen, form.btSave, form.btRead, form.btWrite, form.btCompare,
                                     form.btEdit, form.btClose})
            enabled << b->isEnabled();
        return enabled;
    }

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    ScriptedPrompter dialogs;
    LinkedModule m;
    ParameterImage image;
    TFormParSetting editor;
    TFormDownload form;
};

const QList<bool> kAllEnabled(TFormDownload::kTransferButtonCount, true);
const QList<bool> kAllDisabled(TFormDownload::kTransferButtonCount, false);

QPushButton* transferButton(TFormDownload& form, const QString& name)
{
    if (name == "read")
        return form.btRead;
    if (name == "write")
        return form.btWrite;
    return form.btCompare;
}

void addTransferButtonRows()
{
    QTest::addColumn<QString>("button");
    for (const char* button : {"read", "write", "compare"})
        QTest::newRow(button) << button;
}

} // namespace

class TestTFormDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("btOpen") << "btOpen" << "Beolvasás fájlból";
        QTest::newRow("btSave") << "btSave" << "Mentés fájlba";
        QTest::newRow("btRead") << "btRead" << "<-- Adatok beolvasása a modulból";
        QTest::newRow("btWrite") << "btWrite" << "--> Adatok áttöltése a modulba";
        QTest::newRow("btCompare") << "btCompare" << "<--> Adatok összehasonlítása";
        QTest::newRow("btEdit") << "btEdit" << "Adatok szerkesztése";
        QTest::newRow("btStop") << "btStop" << "Stop";
        QTest::newRow("btClose") << "btClose" << "Ablak bezárása";
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        Rig r;
        const std::pair<const char*, QPushButton*> buttons[] = {
            {"btOpen", r.form.btOpen}, {"btSave", r.form.btSave},       {"btRead", r.form.btRead},
            {"btWrite", r.form.btWrite}, {"btCompare", r.form.btCompare}, {"btEdit", r.form.btEdit},
            {"btStop", r.form.btStop},   {"btClose", r.form.btClose}};
        QPushButton* button = nullptr;
        for (const auto& [n, b] : buttons)
            if (name == n)
                button = b;
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QVERIFY(button->isEnabled());
    }

    void window()
    {
        Rig r;
        QCOMPARE(r.form.windowTitle(), QStringLiteral("GSM-Sentrova paraméterbeállítás"));
        QCOMPARE(r.form.size(), QSize(284, 343));
        QCOMPARE(r.form.btEdit->height(), 2 * r.form.btRead->height());
        // Every control and every gap between them fits: a squeezed layout
        // would let the panels and buttons touch.
        QVERIFY(r.form.layout()->totalMinimumSize().height() <= 343);
        QCOMPARE(r.colours(), kAllSilver);
        for (int n = 0; n < TFormDownload::kPanelCount; ++n) {
            const BlockPanel* panel = r.form.BP[std::size_t(n)];
            QCOMPARE(panel->text(), QStringLiteral("Blokk %1").arg(n + 1));
            QCOMPARE(panel->frameShadow(), QFrame::Sunken);
        }
        // Two rows of four.
        r.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r.form));
        for (int n = 0; n < TFormDownload::kPanelCount; ++n) {
            const QPoint at = r.form.BP[std::size_t(n)]->pos();
            const QPoint first = r.form.BP[std::size_t(n / 4 * 4)]->pos();
            const QPoint above = r.form.BP[std::size_t(n % 4)]->pos();
            QCOMPARE(at.y(), first.y());
            QCOMPARE(at.x(), above.x());
            QVERIFY(n < 4 || at.y() > above.y());
            QVERIFY(n % 4 == 0 || at.x() > r.form.BP[std::size_t(n - 1)]->pos().x());
        }
        // Every caption whole and clear of its button's edges, also
        // "<--> Adatok összehasonlítása" beside "Eltérések…".
        for (const QPushButton* button : r.form.findChildren<QPushButton*>())
            QVERIFY2(textfit::buttonFits(button), qPrintable(button->text()));
    }

    void readShowsProgressAndFillsTheImage()
    {
        Rig r;
        QVERIFY(r.m.connect());
        TransferProbe probe(r.form.transfer());
        Colours during;
        QList<bool> buttonsDuring;
        bool stopDuring = false;
        bool printDuring = true;
        probe.onBlockDone(3, [&] {
            during = r.colours();
            buttonsDuring = r.transferButtonsEnabled();
            stopDuring = r.form.btStop->isEnabled();
            printDuring = r.form.btPrint->isEnabled();
        });
        r.click(r.form.btRead);
        QCOMPARE(during, greenThen(4, TFormDownload::kWhite));
        QCOMPARE(buttonsDuring, kAllDisabled);
        QVERIFY(stopDuring);
        QVERIFY(!printDuring);
        QCOMPARE(r.colours(), kAllGreen);
        QCOMPARE(r.transferButtonsEnabled(), kAllEnabled);
        QVERIFY(r.form.btPrint->isEnabled());
        QCOMPARE(r.image, moduleImage(r.m));
        QVERIFY(r.dialogs.messages.isEmpty());
    }

    void compareAfterRead_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<Colours>("colours");
        QTest::newRow("nothing") << "" << kAllGreen;
        QTest::newRow("user code") << "code" << kAllGreen;
        QTest::newRow("installer code") << "installer" << kAllGreen;
        QTest::newRow("user name") << "name" << Colours{TFormDownload::kRed} + repeated(TFormDownload::kYellow, 7);
        QTest::newRow("zone 12 name, block 1")
            << "zone" << Colours{TFormDownload::kGreen, TFormDownload::kRed} + repeated(TFormDownload::kYellow, 6);
    }

    void compareAfterRead()
    {
        QFETCH(QString, change);
        QFETCH(Colours, colours);
        Rig r;
        QVERIFY(r.m.connect());
        r.click(r.form.btRead);
        QCOMPARE(r.colours(), kAllGreen);
        if (change == "code")
            WriteCode(r.image, fieldRef(Field::UserCode, 4), QStringLiteral("5555"));
        else if (change == "installer")
            WriteCode(r.image, fieldRef(Field::InstallerCode), QStringLiteral("999999"));
        else if (change == "name")
            WriteText(r.image, fieldRef(Field::UserName, 1), u"Új Név");
        else if (change == "zone")
            WriteText(r.image, fieldRef(Field::ZoneName, 12), u"Padlás");
        QCOMPARE(r.image == moduleImage(r.m), change.isEmpty());

        TransferProbe probe(r.form.transfer());
        Colours during;
        probe.onBlockDone(0, [&] { during = r.colours(); });
        r.click(r.form.btCompare);
        // While the comparison runs, blocks not yet compared are yellow.
        QCOMPARE(during.isEmpty(), colours.first() != TFormDownload::kGreen);
        if (!during.isEmpty())
            QCOMPARE(during, greenThen(1, TFormDownload::kYellow));
        QCOMPARE(r.colours(), colours);
        QCOMPARE(r.transferButtonsEnabled(), kAllEnabled);
        QVERIFY(r.dialogs.messages.isEmpty());
        // The list of differences is offered only after a comparison found one.
        QCOMPARE(r.form.btDiff->isEnabled(), colours != kAllGreen);
    }

    // "Eltérések…" reads all eight blocks and lists the differing settings,
    // leaving the comparison's panels and the image as they were.
    void differencesListTheChangedSettings()
    {
        Rig r;
        QVERIFY(r.m.connect());
        QVERIFY(!r.form.btDiff->isEnabled());
        r.click(r.form.btRead);
        WriteText(r.image, fieldRef(Field::ZoneName, 12), u"Padlás");
        WriteCode(r.image, fieldRef(Field::UserCode, 4), QStringLiteral("5555"));
        const ParameterImage edited = r.image;
        r.click(r.form.btCompare);
        const Colours compared = r.colours();
        QVERIFY(r.form.btDiff->isEnabled());

        // The list window opens modally once the blocks are read.
        QStringList shown;
        QTimer whenShown;
        QObject::connect(&whenShown, &QTimer::timeout, r.form.differences, [&] {
            if (!r.form.differences->isVisible())
                return;
            whenShown.stop();
            for (int i = 0; i < r.form.differences->lbxDifferences->count(); ++i)
                shown << r.form.differences->lbxDifferences->item(i)->text();
            r.form.differences->btClose->click();
        });
        whenShown.start(10);
        r.click(r.form.btDiff);
        QCOMPARE(shown, QStringList({"4.Felhasználó – Azonosító kódja: ****** → ******",
                                     "12. Zóna – Zóna neve: »Padlás« → »Pánikgomb«"}));
        QCOMPARE(r.colours(), compared);
        QVERIFY(r.image == edited);
        QCOMPARE(r.transferButtonsEnabled(), kAllEnabled);
    }

    void readFailureLeavesPanelsWhite()
    {
        Rig r;
        r.m.sim.module().faults().dropReadBlock = 5;
        QVERIFY(r.m.connect());
        r.image = writableNoise(31);
        const ParameterImage before = r.image;
        r.click(r.form.btRead);
        QCOMPARE(r.colours(), greenThen(5, TFormDownload::kWhite));
        QCOMPARE(r.image, before);
        QVERIFY(r.dialogs.messages.isEmpty());
        QCOMPARE(r.transferButtonsEnabled(), kAllEnabled);
    }

    // On a line that damages about one byte in 5000 each way, each read
    // either brings the module's whole memory or leaves the image as it was;
    // no failure is reported as another data version.
    void readOnANoisyLine()
    {
        SimulatorSettings noisy;
        noisy.live = false;
        noisy.noiseRate = 0.0002;
        noisy.noiseSeed = 5;
        Rig r(noisy);
        QVERIFY(r.m.connect());
        const ParameterImage module = moduleImage(r.m);
        int read = 0;
        int failed = 0;
        for (unsigned attempt = 0; attempt < 12; ++attempt) {
            r.image = writableNoise(50 + attempt);
            const ParameterImage before = r.image;
            r.click(r.form.btRead);
            if (r.colours() == kAllGreen) {
                QCOMPARE(r.image, module);
                ++read;
            } else {
                QCOMPARE(r.image, before);
                ++failed;
            }
            QCOMPARE(r.transferButtonsEnabled(), kAllEnabled);
        }
        for (const QString& message : std::as_const(r.dialogs.messages))
            QVERIFY2(!message.contains(QStringLiteral("DataVer")), qPrintable(message));
        QVERIFY2(read > 0 && failed > 0, qPrintable(QStringLiteral("%1 read, %2 failed").arg(read).arg(failed)));
        QVERIFY(r.m.sim.noiseToProgram()->damaged() > 0);
    }

    // A version block with a bad checksum is a failed read, not a version.
    void damagedVersionBlock()
    {
        Rig r;
        QVERIFY(r.m.connect());
        QObject::connect(&r.m.sim, &ModuleSimulator::lineReceived, &r.m.sim, [&r](const QByteArray& line) {
            r.m.sim.module().faults().badChecksum = line == "RDFLFFFF";
        });
        r.image = writableNoise(37);
        const ParameterImage before = r.image;
        r.click(r.form.btRead);
        QCOMPARE(r.dialogs.messages, QStringList{QStringLiteral("Leolvasás sikertelen.")});
        QCOMPARE(r.colours(), repeated(TFormDownload::kWhite, TFormDownload::kPanelCount));
        QCOMPARE(r.image, before);
        QVERIFY(parameterReads(r.m).isEmpty());
    }

    void compareReadFailureTurnsThePanelRed()
    {
        Rig r;
        r.m.sim.module().faults().dropReadBlock = 2;
        QVERIFY(r.m.connect());
        r.image = moduleImage(r.m);
        r.click(r.form.btCompare);
        QCOMPARE(r.colours(), (Colours{TFormDownload::kGreen, TFormDownload::kGreen, TFormDownload::kRed}
                               + repeated(TFormDownload::kYellow, 5)));
        QVERIFY(r.dialogs.messages.isEmpty());
    }

    void unacknowledgedWriteLeavesPanelsWhite()
    {
        Rig r;
        r.m.sim.module().faults().nakWriteBlock = 2;
        QVERIFY(r.m.connect());
        r.image = writableNoise(37);
        r.click(r.form.btWrite);
        QCOMPARE(r.colours(), greenThen(2, TFormDownload::kWhite));
        QVERIFY(r.m.received("WRACT").isEmpty());
        QVERIFY(r.dialogs.messages.isEmpty());
        QCOMPARE(r.transferButtonsEnabled(), kAllEnabled);
    }

    void writeActivation_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<Colours>("colours");
        QTest::newRow("confirmed") << true << kAllGreen;
        QTest::newRow("not confirmed") << false << kAllRed;
    }

    void writeActivation()
    {
        QFETCH(bool, confirmed);
        QFETCH(Colours, colours);
        Rig r;
        r.m.sim.module().faults().noActivation = !confirmed;
        QVERIFY(r.m.connect());
        r.image = writableNoise(41);
        r.click(r.form.btWrite);
        QCOMPARE(r.colours(), colours);
        QCOMPARE(r.m.received("WRACT").size(), 1);
        QCOMPARE(moduleImage(r.m) == r.image, confirmed);
        QVERIFY(r.dialogs.messages.isEmpty());
        QCOMPARE(r.transferButtonsEnabled(), kAllEnabled);
    }

    void loginFailure_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QString>("message");
        for (const char* button : {"read", "write", "compare"}) {
            QTest::addRow("%s, code refused", button) << button << false << text::wrongInstallerCode;
            QTest::addRow("%s, no answer", button) << button << true << text::moduleNoAnswer;
        }
    }

    void loginFailure()
    {
        QFETCH(QString, button);
        QFETCH(bool, silent);
        QFETCH(QString, message);
        Rig r;
        r.m.sim.module().faults().refuseCode = !silent;
        r.m.sim.module().faults().silent = silent;
        QVERIFY(r.m.connect());
        r.click(transferButton(r.form, button));
        QCOMPARE(r.colours(), kAllRed);
        QCOMPARE(r.dialogs.messages, QStringList{message});
        QCOMPARE(r.transferButtonsEnabled(), kAllEnabled);
    }

    void dataVersionMismatch_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QColor>("progressColour");
        QTest::newRow("read") << "read" << TFormDownload::kWhite;
        QTest::newRow("write") << "write" << TFormDownload::kWhite;
        QTest::newRow("compare") << "compare" << TFormDownload::kYellow;
    }

    void dataVersionMismatch()
    {
        QFETCH(QString, button);
        QFETCH(QColor, progressColour);
        Rig r;
        VersionTexts versions;
        versions.data = "3";
        r.m.sim.module().setVersionTexts(versions);
        QVERIFY(r.m.connect());
        r.image = writableNoise(43);
        const ParameterImage before = r.image;
        const ParameterImage original = moduleImage(r.m);
        r.click(transferButton(r.form, button));
        QCOMPARE(r.dialogs.messages,
                 QStringList{QStringLiteral("Ehhez a GSM-Sentrova programverzióhoz másik Sentrova Pultrex program "
                                            "szükséges!   (SentrovaDataVer=3 , PultrexDataVer=2)")});
        QCOMPARE(r.colours(), repeated(progressColour, TFormDownload::kPanelCount));
        QCOMPARE(r.image, before);
        QCOMPARE(moduleImage(r.m), original);
        QVERIFY(parameterReads(r.m).isEmpty());
        QVERIFY(r.m.received("WRFL").isEmpty());
        QCOMPARE(r.transferButtonsEnabled(), kAllEnabled);
    }

    void portClosed_data() { addTransferButtonRows(); }

    void portClosed()
    {
        QFETCH(QString, button);
        Rig r;
        r.click(transferButton(r.form, button));
        QCOMPARE(r.dialogs.messages, QStringList{text::noSerialLink});
        QCOMPARE(r.colours(), kAllSilver);
        QCOMPARE(r.transferButtonsEnabled(), kAllEnabled);
    }

    void busyRefusal_data() { addTransferButtonRows(); }

    void busyRefusal()
    {
        QFETCH(QString, button);
        Rig r;
        QVERIFY(r.m.connect());
        {
            const auto other = r.m.link.beginTransaction();
            QVERIFY(other.has_value());
            r.click(transferButton(r.form, button));
            QCOMPARE(r.form.StatusBar1->currentMessage(), QStringLiteral("Egy másik művelet folyamatban van."));
            QCOMPARE(r.colours(), kAllSilver);
            QVERIFY(r.dialogs.messages.isEmpty());
            QCOMPARE(r.transferButtonsEnabled(), kAllEnabled);
            QTest::qWait(5 * kTestTickMs);
            QVERIFY(r.m.sim.receivedLines().isEmpty());
        }
        // Once the link is free the same button works, and the refusal text goes.
        r.image = moduleImage(r.m);
        r.click(transferButton(r.form, "compare"));
        QCOMPARE(r.colours(), kAllGreen);
        QCOMPARE(r.form.StatusBar1->currentMessage(), QString());
    }

    void openFileWithThePortClosed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.SD2"));
        const ParameterImage saved = noiseImage(47);
        QVERIFY(writeFile(path, bytesOf(saved)));
        Rig r;
        r.form.SetAllBlockPanels(TFormDownload::kRed);
        r.dialogs.files.push_back(path);
        r.click(r.form.btOpen);
        QCOMPARE(r.dialogs.filters, QStringList{QStringLiteral("GSM Sentrova Data File ver.2 (*.SD2)")});
        QCOMPARE(r.colours(), kAllGreen);
        QCOMPARE(r.image, saved);
        QVERIFY(r.dialogs.errors.isEmpty());
    }

    void openFileFailure_data()
    {
        QTest::addColumn<int>("fileSize"); // -1: no file
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("one byte short") << ParameterImage::kSize - 1 << false;
        QTest::newRow("empty") << 0 << false;
        QTest::newRow("missing") << -1 << false;
        QTest::newRow("cancelled") << ParameterImage::kSize << true;
    }

    void openFileFailure()
    {
        QFETCH(int, fileSize);
        QFETCH(bool, cancelled);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("short.SD2"));
        if (fileSize >= 0)
            QVERIFY(writeFile(path, bytesOf(noiseImage(53)).left(fileSize)));
        Rig r;
        r.image = noiseImage(59);
        const ParameterImage before = r.image;
        r.form.SetAllBlockPanels(TFormDownload::kGreen);
        if (!cancelled)
            r.dialogs.files.push_back(path);
        r.click(r.form.btOpen);
        QCOMPARE(r.image, before);
        QCOMPARE(r.colours(), kAllSilver);
        QCOMPARE(r.dialogs.errors.size(), cancelled ? 0 : 1);
        if (!cancelled)
            QVERIFY(r.dialogs.errors.constFirst().contains(path));
        QVERIFY(r.dialogs.messages.isEmpty());
    }

    void saveFile_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("sizeLimit"); // 0: none
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<bool>("saved");
        QTest::newRow("saved") << "b.SD2" << 0 << false << true;
        QTest::newRow("folder missing") << "missing/b.SD2" << 0 << false << false;
        QTest::newRow("disk full") << "b.SD2" << 1000 << false << false;
        QTest::newRow("cancelled") << "b.SD2" << 0 << true << false;
    }

    void saveFile()
    {
        QFETCH(QString, fileName);
        QFETCH(int, sizeLimit);
        QFETCH(bool, cancelled);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        writeFile(path, QByteArrayLiteral("old")); // no file where the folder is missing
        const QByteArray before = readFile(path);
        Rig r;
        r.image = noiseImage(61);
        r.form.SetAllBlockPanels(TFormDownload::kYellow);
        if (!cancelled)
            r.dialogs.files.push_back(path);
        {
            std::optional<FileSizeLimit> limit;
            if (sizeLimit > 0)
                limit.emplace(rlim_t(sizeLimit));
            r.click(r.form.btSave);
        }
        QCOMPARE(readFile(path), saved ? bytesOf(r.image) : before);
        QCOMPARE(r.dialogs.errors.size(), saved || cancelled ? 0 : 1);
        if (!r.dialogs.errors.isEmpty())
            QVERIFY(r.dialogs.errors.constFirst().startsWith(QStringLiteral("A fájl nem írható: ") + path));
        QCOMPARE(r.colours(), repeated(TFormDownload::kYellow, TFormDownload::kPanelCount));
        QCOMPARE(r.dialogs.filters.size(), 1);
    }

    // "Nyomtatás…" after a read: the print dialog opens on A4, and the sheet
    // goes into the PDF file chosen there, headed with the module's versions
    // from the read's version query; a data file opened after the read
    // knows no versions.
    void printSheet_data()
    {
        QTest::addColumn<QString>("fileName"); // empty: the dialog is cancelled
        QTest::addColumn<bool>("printed");
        QTest::addColumn<bool>("fileOpened");
        QTest::newRow("to a PDF file") << "lap.pdf" << true << false;
        QTest::newRow("folder missing") << "missing/lap.pdf" << false << false;
        QTest::newRow("cancelled") << "" << false << false;
        QTest::newRow("data file opened") << "lap.pdf" << true << true;
    }

    void printSheet()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, printed);
        QFETCH(bool, fileOpened);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        Rig r;
        QVERIFY(r.m.connect());
        r.click(r.form.btRead);
        QCOMPARE(r.colours(), kAllGreen);
        QTemporaryDir fileDir;
        if (fileOpened) {
            const QString dataFile = fileDir.filePath(QStringLiteral("a.SD2"));
            QVERIFY(SaveDataFile(dataFile, r.image));
            r.dialogs.files.push_back(dataFile);
            r.click(r.form.btOpen);
        }
        if (!fileName.isEmpty())
            r.dialogs.files.push_back(path);
        QCOMPARE(r.form.btPrint->text(), QStringLiteral("Nyomtatás…"));
        r.click(r.form.btPrint);

        QCOMPARE(r.dialogs.printDialogs.size(), 1);
        QCOMPARE(r.dialogs.printDialogs.constFirst().pageSize().id(), QPageSize::A4);
        // Nothing else is left in the folder, not even a part of a file.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 printed ? QStringList{QStringLiteral("lap.pdf")} : QStringList());
        QCOMPARE(r.dialogs.errors.size(), printed || fileName.isEmpty() ? 0 : 1);
        if (!r.dialogs.errors.isEmpty())
            QVERIFY(r.dialogs.errors.constFirst().startsWith(QStringLiteral("A fájl nem írható: ") + path));
        QCOMPARE(r.form.StatusBar1->currentMessage(),
                 printed ? QStringLiteral("A programozási lap elmentve: ") + path : QString());
        if (!printed)
            return;
        const QString text = pdfText(path);
        const char* programVersion = fileOpened ? "Programverzió +–" : "Programverzió +GSM-SENTROVA V3\\.05";
        const char* dataVersion = fileOpened ? "Adatverzió +–" : "Adatverzió +2";
        for (const char* line : {"GSM-Sentrova programozási lap", programVersion, dataVersion,
                                 "Ügyfél azonosító +1A2F", "12\\. Zóna +Pánikgomb"})
            QVERIFY2(QRegularExpression(QString::fromUtf8(line)).match(text).hasMatch(), qPrintable(text));
        QCOMPARE(r.colours(), kAllGreen);
    }

    void stopChangesNothing()
    {
        Rig r;
        QVERIFY(r.m.connect());
        // Idle: nothing happens.
        r.form.SetAllBlockPanels(TFormDownload::kYellow);
        r.click(r.form.btStop);
        QCOMPARE(r.colours(), repeated(TFormDownload::kYellow, TFormDownload::kPanelCount));
        // During a read: the read goes on to the end.
        TransferProbe probe(r.form.transfer());
        probe.onBlockDone(2, [&] { r.click(r.form.btStop); });
        r.click(r.form.btRead);
        QCOMPARE(r.colours(), kAllGreen);
        QCOMPARE(parameterReads(r.m).size(), 8);
        QCOMPARE(r.image, moduleImage(r.m));
        QVERIFY(r.dialogs.messages.isEmpty());
        QVERIFY(r.form.btStop->isEnabled());
    }

    void closeHides()
    {
        Rig r;
        r.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r.form));
        r.form.SetBlockPanelColour(6, TFormDownload::kRed);
        r.click(r.form.btClose);
        QVERIFY(r.form.isHidden());
        r.form.show();
        QCOMPARE(r.form.blockPanelColour(6), TFormDownload::kRed);
    }

    void editOpensTheEditorModally()
    {
        Rig r;
        bool shownModal = false;
        QTimer::singleShot(0, &r.editor, [&] {
            shownModal = r.editor.isVisible() && r.editor.isModal();
            r.editor.reject();
        });
        r.form.SetAllBlockPanels(TFormDownload::kWhite);
        r.click(r.form.btEdit);
        QVERIFY(shownModal);
        QVERIFY(!r.editor.isVisible());
        QCOMPARE(r.colours(), repeated(TFormDownload::kWhite, TFormDownload::kPanelCount));
    }
};

QTEST_MAIN(TestTFormDownload)
#include "tst_tformdownload.moc"
