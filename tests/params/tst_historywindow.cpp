// The history window with real widgets on the offscreen platform: the list
// and its filter, the site edited in place, differences between entries,
// taking an entry into the image, an archive that cannot be used, and a
// read, an edit, a write and a read against the simulated module.
#include "EditorProbe.h"
#include "LinkedModule.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"
#include "TransferProbe.h"

#include "archive/ImageArchive.h"
#include "params/ImageArchiving.h"
#include "params/TFormDifferences.h"
#include "params/TFormDownload.h"
#include "params/TFormHistory.h"
#include "params/TFormOnOffMode.h"
#include "params/TFormParSetting.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using archive::Operation;
using params::ParameterImage;

namespace {

// The transfer window and its history on a simulated module, with an
// archive in a scratch folder and the dialogs scripted.
struct Rig
{
    Rig()
        : archive(dir.filePath(QStringLiteral("data")))
        , editor(image)
        , form(m.link, image, editor)
    {
        editor.setArmingModeDialog(armingMode);
        form.setArchive(archive);
    }

    TFormHistory& history() { return *form.history; }

    // Opens the history window as the installer does.
    bool openHistory()
    {
        QTest::mouseClick(form.btHistory, Qt::LeftButton);
        return QTest::qWaitForWindowActive(&history());
    }

    // Clicks the rows, the first plainly and the others with Ctrl held.
    void selectRows(std::initializer_list<int> rows)
    {
        QTableView* view = history().tvEntries;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        for (int row : rows) {
            const QRect cell = view->visualRect(view->model()->index(row, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, cell.center());
            modifiers = Qt::ControlModifier;
        }
    }

    // The column of every row shown.
    QStringList column(int column)
    {
        QStringList texts;
        const QAbstractItemModel* model = history().tvEntries->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }

    // The lines of the differences window that a click opens: the history
    // window's, or the one given.
    QStringList differencesShownBy(QPushButton* button, TFormDifferences* window = nullptr)
    {
        if (!window)
            window = history().differences;
        QStringList shown;
        QTimer whenShown;
        QObject::connect(&whenShown, &QTimer::timeout, window, [&] {
            if (!window->isVisible())
                return;
            whenShown.stop();
            shown << window->lbHeading->text();
            for (int i = 0; i < window->lbxDifferences->count(); ++i)
                shown << window->lbxDifferences->item(i)->text();
            window->btClose->click();
        });
        whenShown.start(10);
        QTest::mouseClick(button, Qt::LeftButton);
        return shown;
    }

    qint64 add(const QString& account, const QString& site, const QString& note, const ParameterImage& bytes)
    {
        const qint64 id = archive.add({Operation::FileOpened, QStringLiteral("/home/x/a.SD2"), {}, {}, account,
                                       params::imageBytes(bytes), {}})
                              .value_or(0);
        archive.setSiteAndNote(id, site, note);
        return id;
    }

    ScriptedPrompter dialogs;
    QTemporaryDir dir;
    LinkedModule m;
    ParameterImage image;
    archive::ImageArchive archive;
    TFormParSetting editor;
    TFormOnOffMode armingMode;
    TFormDownload form;
};

ParameterImage filled(std::uint8_t value)
{
    ParameterImage image;
    image.fill(value);
    return image;
}

QList<QColor> panelColours(const TFormDownload& form)
{
    QList<QColor> colours;
    for (int n = 0; n < TFormDownload::kPanelCount; ++n)
        colours << form.blockPanelColour(n);
    return colours;
}

const QList<QColor> kAllGreen(TFormDownload::kPanelCount, TFormDownload::kGreen);

} // namespace

class TestHistoryWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    // The filter finds its text in the account, the site or the note,
    // whatever the case; a site typed into the table is kept in the archive
    // and found by the filter.
    void filterAndSiteEditedInPlace()
    {
        Rig r;
        r.add(QStringLiteral("1A2F"), QStringLiteral("Malom utca 3."), QString(), filled(1));
        r.add(QStringLiteral("0C0D"), QStringLiteral("Fő tér 1."), QStringLiteral("riasztó csere"), filled(2));
        const qint64 third = r.add(QStringLiteral("77AB"), QString(), QStringLiteral("a malomnál"), filled(3));
        QVERIFY(r.openHistory());
        QCOMPARE(r.column(params::HistoryModel::AccountColumn), QStringList({"77AB", "0C0D", "1A2F"}));
        QCOMPARE(r.history().lbStatus->text(), QStringLiteral("3 bejegyzés"));

        const std::pair<const char*, QStringList> filters[] = {
            {"MALOM", {"77AB", "1A2F"}}, {"0c0d", {"0C0D"}}, {"csere", {"0C0D"}}, {"zzz", {}},
        };
        for (const auto& [text, accounts] : filters) {
            r.history().edFilter->clear();
            QTest::keyClicks(r.history().edFilter, QString::fromLatin1(text));
            QCOMPARE(r.column(params::HistoryModel::AccountColumn), accounts);
        }
        // Accented letters in either case, as a keyboard layout gives them.
        r.history().edFilter->setText(QStringLiteral("FŐ TÉR"));
        QCOMPARE(r.column(params::HistoryModel::AccountColumn), QStringList({"0C0D"}));
        r.history().edFilter->setText(QStringLiteral("zzz"));
        QCOMPARE(r.history().lbStatus->text(), QStringLiteral("0 bejegyzés a(z) 3 közül"));
        r.history().edFilter->clear();

        QTableView* view = r.history().tvEntries;
        view->setFocus();
        view->setCurrentIndex(view->model()->index(0, params::HistoryModel::SiteColumn));
        QTest::keyClick(view, Qt::Key_F2);
        auto* cellEditor = view->viewport()->findChild<QLineEdit*>();
        QVERIFY(cellEditor);
        QTest::keyClicks(cellEditor, QStringLiteral("Kossuth utca 7."));
        // A transfer archives while the site is typed: the typing goes on,
        // the new entry shows once the editor has closed.
        r.add(QStringLiteral("5E5E"), QString(), QString(), filled(4));
        QTest::keyClick(cellEditor, Qt::Key_Return);
        // The delegate commits after the key, from the event loop.
        QTRY_COMPARE(r.archive.entry(third)->site, QStringLiteral("Kossuth utca 7."));
        QTRY_COMPARE(r.column(params::HistoryModel::AccountColumn), QStringList({"5E5E", "77AB", "0C0D", "1A2F"}));
        QTest::keyClicks(r.history().edFilter, QStringLiteral("kossuth"));
        QCOMPARE(r.column(params::HistoryModel::AccountColumn), QStringList({"77AB"}));
    }

    // What may be done depends on the selection: nothing without one, the
    // differences for two, everything for one.
    void buttonsFollowTheSelection()
    {
        Rig r;
        for (std::uint8_t n = 1; n <= 3; ++n)
            r.add(QStringLiteral("0000"), QString(), QString(), filled(n));
        QVERIFY(r.openHistory());
        const auto enabled = [&r] {
            return QList<bool>{r.history().btDiff->isEnabled(), r.history().btLoad->isEnabled(),
                               r.history().btSave->isEnabled()};
        };
        QCOMPARE(enabled(), QList<bool>({false, false, false}));
        r.selectRows({1});
        QCOMPARE(enabled(), QList<bool>({true, true, true}));
        r.selectRows({1, 2});
        QCOMPARE(enabled(), QList<bool>({true, false, false}));
        r.selectRows({0, 1, 2});
        QCOMPARE(enabled(), QList<bool>({false, false, false}));
    }

    // "Betöltés" takes the entry into the image as opening a data file
    // does; while a transfer owns the image it waits; "Mentés fájlba…"
    // writes the entry as a data file.
    void loadAndSave()
    {
        Rig r;
        QVERIFY(r.m.connect());
        const ParameterImage archived = filled(0x5A);
        const qint64 id = r.add(QStringLiteral("0000"), QString(), QString(), archived);
        QVERIFY(r.openHistory());
        r.selectRows({0});

        TransferProbe probe(r.form.transfer());
        bool loadOfferedDuringRead = true;
        QString refusal;
        probe.onBlockDone(3, [&] {
            loadOfferedDuringRead = r.history().btLoad->isEnabled();
            r.form.loadArchivedImage(archived, id);
            refusal = r.form.StatusBar1->currentMessage();
        });
        QTest::mouseClick(r.form.btRead, Qt::LeftButton);
        QVERIFY(!loadOfferedDuringRead);
        QCOMPARE(refusal, QStringLiteral("Egy másik művelet folyamatban van."));
        QVERIFY(r.image == imageOf(r.m.sim.module().memory().active()));
        // The read's own entry is the newest now; the selection stays.
        QCOMPARE(r.history().selectedIds(), QList<qint64>({id}));
        QVERIFY(r.history().btLoad->isEnabled());

        r.form.SetAllBlockPanels(TFormDownload::kRed);
        QTest::mouseClick(r.history().btLoad, Qt::LeftButton);
        QVERIFY(r.image == archived);
        QCOMPARE(panelColours(r.form), kAllGreen);
        QCOMPARE(r.form.StatusBar1->currentMessage(), QStringLiteral("Betöltve az archívumból: #%1").arg(id));

        const QString path = r.dir.filePath(QStringLiteral("saved.SD2"));
        r.dialogs.files.push_back(path);
        QTest::mouseClick(r.history().btSave, Qt::LeftButton);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), params::imageBytes(archived));
        QVERIFY(r.dialogs.errors.isEmpty());
    }

    // The differences' read owns the image too: "Betöltés" waits for it.
    void loadWaitsForTheDifferencesRead()
    {
        Rig r;
        QVERIFY(r.m.connect());
        r.add(QStringLiteral("0000"), QString(), QString(), filled(0x5A));
        QVERIFY(r.openHistory());
        r.selectRows({0});
        r.image = filled(0x33);
        QTest::mouseClick(r.form.btCompare, Qt::LeftButton);
        // The read archives the module's image before it ends.
        QObject::connect(&r.archive, &archive::ImageArchive::added, &r.history(),
                         [&r] { QTest::mouseClick(r.history().btLoad, Qt::LeftButton); });
        QVERIFY(!r.differencesShownBy(r.form.btDiff, r.form.differences).isEmpty());
        QVERIFY(r.image == filled(0x33));
        QCOMPARE(r.form.StatusBar1->currentMessage(), QString());
        QVERIFY(r.history().btLoad->isEnabled());
    }

    // A corrupt archive: transfers go on, the transfer window's status bar
    // says once why archiving is off, the history window says so too.
    void archiveOff()
    {
        Rig r;
        QVERIFY(QDir().mkpath(r.dir.filePath(QStringLiteral("data"))));
        QFile file(r.dir.filePath(QStringLiteral("data/archive.sqlite")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, '\x5A')) == 4096);
        file.close();
        QVERIFY(r.m.connect());
        QTest::mouseClick(r.form.btRead, Qt::LeftButton);
        QCOMPARE(panelColours(r.form), kAllGreen);
        const QString warning = r.form.StatusBar1->currentMessage();
        QVERIFY2(warning.startsWith(QStringLiteral("Archiválás kikapcsolva: az archívum nem nyitható meg: ")),
                 qPrintable(warning));
        QTest::mouseClick(r.form.btRead, Qt::LeftButton);
        QCOMPARE(panelColours(r.form), kAllGreen);
        QCOMPARE(r.form.StatusBar1->currentMessage(), QString());

        QVERIFY(r.openHistory());
        QVERIFY2(r.history().lbStatus->text().startsWith(QStringLiteral("Az archívum nem használható: az archívum nem ")),
                 qPrintable(r.history().lbStatus->text()));
        QCOMPARE(r.history().tvEntries->model()->rowCount(), 0);
        QVERIFY(!r.history().edFilter->isEnabled());
        QVERIFY(!r.history().btDiff->isEnabled());
        QVERIFY(r.dialogs.messages.isEmpty() && r.dialogs.errors.isEmpty());
    }

    // Read the module, rename zone 3 in the editor, write, read again: the
    // history holds the three, and the differences between the first and
    // the last, or between the first and the image, are that name alone.
    void readEditWriteReadEndToEnd()
    {
        Rig r;
        QVERIFY(r.m.connect());
        QTest::mouseClick(r.form.btRead, Qt::LeftButton);
        QTimer::singleShot(0, &r.editor, [&] {
            r.editor.PageControl1->setCurrentIndex(0);
            enterValue(findControl(r.editor, QStringLiteral("3. Zóna – Zóna neve")), QStringLiteral("Műhely"));
            QTest::mouseClick(r.editor.btSettingOK, Qt::LeftButton);
        });
        QTest::mouseClick(r.form.btEdit, Qt::LeftButton);
        QTest::mouseClick(r.form.btWrite, Qt::LeftButton);
        QTest::mouseClick(r.form.btRead, Qt::LeftButton);

        QVERIFY(r.openHistory());
        QCOMPARE(r.column(params::HistoryModel::OperationColumn),
                 QStringList({"Beolvasás a modulból", "Áttöltés a modulba", "Beolvasás a modulból"}));
        QCOMPARE(r.column(params::HistoryModel::AccountColumn), QStringList({"1A2F", "1A2F", "1A2F"}));
        QCOMPARE(r.column(params::HistoryModel::VersionColumn), QStringList(3, "GSM-SENTROVA V3.05 (dv.2)"));
        QCOMPARE(r.column(params::HistoryModel::PlaceColumn), QStringList(3, r.m.sim.linkPath()));
        const QList<qint64> ids = {r.history().model().entryAt(0).id, r.history().model().entryAt(2).id};

        r.selectRows({0, 2});
        QCOMPARE(r.differencesShownBy(r.history().btDiff),
                 QStringList({QStringLiteral("1 eltérő beállítás (#%1 → #%2):").arg(ids.at(1)).arg(ids.at(0)),
                              "3. Zóna – Zóna neve: »Nappali« → »Műhely«"}));
        r.selectRows({2});
        QCOMPARE(r.differencesShownBy(r.history().btDiff),
                 QStringList({QStringLiteral("1 eltérő beállítás (#%1 → a gépen):").arg(ids.at(1)),
                              "3. Zóna – Zóna neve: »Nappali« → »Műhely«"}));
        QVERIFY(r.dialogs.messages.isEmpty() && r.dialogs.errors.isEmpty());
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
