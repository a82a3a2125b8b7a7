// The settings editor as a window: its frame and pages, confirm and cancel,
// the arming mode dialog, a confirm with nothing edited, and an edit that
// travels from the simulated module through the editor and back.
#include "DemoMemory.h"
#include "EditorProbe.h"
#include "EditorRig.h"
#include "LinkedModule.h"
#include "TestTicks.h"
#include "TransferProbe.h"

#include "params/TFormDownload.h"
#include "params/editor/ArmingModeBox.h"
#include "params/editor/NumberBox.h"
#include "params/editor/PhonesPage.h"
#include "params/editor/RadioGroup.h"

#include <QAccessible>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

using params::ParameterImage;

Q_DECLARE_METATYPE(params::ParameterImage)

namespace {

// The first offset at which the images differ, or -1.
int firstDifference(const ParameterImage& a, const ParameterImage& b)
{
    for (int at = 0; at < ParameterImage::kSize; ++at)
        if (a.at(at) != b.at(at))
            return at;
    return -1;
}

ArmingModeBox& armingMode(EditorRig& r)
{
    return *r.editor.TabSheet5->armingMode;
}

} // namespace

class TestSettingsEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void frame()
    {
        EditorRig r;
        QCOMPARE(r.editor.windowTitle(), QStringLiteral("GSM-Sentrova   -   Paraméterek beállítása"));
        QVERIFY(r.open());
        QCOMPARE(r.editor.size(), QSize(780, 463));
        const QPoint screenMiddle = r.editor.screen()->availableGeometry().center();
        QVERIFY((r.editor.frameGeometry().center() - screenMiddle).manhattanLength() <= 2);

        const QStringList captions{"Zónák",
                                   "Felhasználók",
                                   "Események",
                                   "Relé kimenetek",
                                   "Telefonszámok && egyéb paraméterek",
                                   "Rádiós eszközök beállításai"};
        QTabWidget* pages = r.editor.PageControl1;
        QCOMPARE(pages->count(), captions.size());
        for (int i = 0; i < pages->count(); ++i)
            QCOMPARE(pages->tabText(i), captions.at(i));
        // "&&" shows one ampersand, and that is what a screen reader reads.
        QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(pages->tabBar());
        QCOMPARE(tabs->child(4)->text(QAccessible::Name), QStringLiteral("Telefonszámok & egyéb paraméterek"));
        QCOMPARE(pages->currentIndex(), 0);

        QCOMPARE(r.editor.btSettingOK->text(), QStringLiteral("Beállítások Rögzítése"));
        QCOMPARE(r.editor.btSettingCancel->text(), QStringLiteral("Beállítások Visszavonása"));
        QVERIFY(r.editor.btSettingOK->x() < r.editor.btSettingCancel->x());
    }

    // All six captions side by side: a tab bar wider than its room shows
    // scroll arrows instead. A display of more dots per inch draws the
    // 8 point captions as wide as 9 point ones are here.
    void tabCaptionsFitTheWidth_data()
    {
        QTest::addColumn<int>("points");
        QTest::newRow("8 pt") << 8;
        QTest::newRow("9 pt") << 9;
    }

    void tabCaptionsFitTheWidth()
    {
        QFETCH(int, points);
        EditorRig r;
        QFont font = r.editor.font();
        font.setPointSize(points);
        r.editor.setFont(font);
        QVERIFY(r.open());
        QTabBar* tabs = r.editor.PageControl1->tabBar();
        QVERIFY(tabs->sizeHint().width() <= r.editor.PageControl1->width());
    }

    void lastPageStaysSelected()
    {
        EditorRig r;
        QVERIFY(r.open());
        QTabBar* tabs = r.editor.PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        r.cancel();
        QVERIFY(r.open());
        QCOMPARE(r.editor.PageControl1->currentIndex(), 1);
    }

    void closingWithoutStoring_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel button") << "cancel";
        QTest::newRow("close box") << "close box";
    }

    void closingWithoutStoring()
    {
        QFETCH(QString, how);
        EditorRig r;
        putImageBytes(r.image, 223, QByteArray("Nappali   "));
        putImageBytes(r.image, 25, QByteArray("\xED\xCB\x00", 3));
        r.image.set(1791, 2);
        const ParameterImage before = r.image;
        QVERIFY(r.open());
        const EditorControl name = findControl(r.editor, QStringLiteral("3. Zóna – Zóna neve"));
        const EditorControl code = findControl(r.editor, QStringLiteral("2.Felhasználó – Azonosító kódja"));
        enterValue(name, QStringLiteral("Műhely"));
        enterValue(code, QStringLiteral("5555"));
        armingMode(r).edOnOffMode->setValue(0);
        if (how == "cancel")
            r.cancel();
        else
            r.editor.close();
        QVERIFY(!r.editor.isVisible());
        QCOMPARE(r.editor.result(), int(QDialog::Rejected));
        QCOMPARE(firstDifference(r.image, before), -1);
        QVERIFY(r.open());
        QCOMPARE(shownValue(name), QStringLiteral("Nappali"));
        QCOMPARE(shownValue(code), QStringLiteral("1234"));
        QCOMPARE(armingMode(r).edOnOffMode->text(), QStringLiteral("2"));
    }

    // An image whose every field is within what its control shows comes back
    // byte for byte.
    void confirmWithNothingEditedKeepsTheImage_data()
    {
        QTest::addColumn<ParameterImage>("image");
        QTest::newRow("demo memory") << imageOf(demoParameterMemory());
        for (const unsigned seed : {1u, 2u, 3u})
            QTest::addRow("in-range noise %u", seed) << inRangeNoise(seed);
    }

    void confirmWithNothingEditedKeepsTheImage()
    {
        QFETCH(ParameterImage, image);
        QCOMPARE(outOfRangeOffsets(image), QList<int>());
        EditorRig r;
        r.image = image;
        QVERIFY(r.open());
        r.confirm();
        QCOMPARE(r.editor.result(), int(QDialog::Accepted));
        QCOMPARE(firstDifference(r.image, image), -1);
        QVERIFY(r.prompts.messages.isEmpty());
    }

    void armingModeDialog()
    {
        TFormOnOffMode dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Élesítés / Kikapcsolás módja az A és B bemeneteken"));
        QCOMPARE(dialog.rgOnOffMode->caption(), QStringLiteral("Élesítés / Kikapcsolás"));
        QCOMPARE(dialog.btClose->text(), QStringLiteral("Bezárás"));
        const auto blanks = [](int n) { return QString(n, u' '); };
        const QStringList items{
            QStringLiteral("0 - Csak a kezelőn keresztül"),
            "1 - Kapcsolóval:" + blanks(64) + "Folyamatos 1k = Élesített ," + blanks(19) + "Folyamatos 2k = Kikapcsolt,"
                + blanks(6) + "(egyéb = szabotázs)",
            "2 - Kétféle impulzussal:" + blanks(5) + "Folyamatos 2k = alaphelyzet," + blanks(4)
                + "Rövidzár impulzus = Élesítés," + blanks(14) + "1k Impulzus = Kikapcsolás" + blanks(8)
                + "(szakadás = szabotázs)",
            "3 - Egyféle impulzussal:" + blanks(4) + "Folyamatos 2k = alaphelyzet," + blanks(4)
                + "1k impulzus = Élesítés/Kikapcsolás," + blanks(54) + "(egyéb = szabotázs)",
        };
        QCOMPARE(dialog.rgOnOffMode->count(), items.size());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // The outer size, frame included (the offscreen platform draws one).
        QTRY_COMPARE(dialog.frameGeometry().height(), 208);
        QVERIFY(dialog.frameGeometry().width() >= 778);
        for (int i = 0; i < items.size(); ++i) {
            const QRadioButton* item = dialog.rgOnOffMode->button(i);
            QCOMPARE(item->text(), items.at(i));
            QVERIFY2(item->width() >= item->sizeHint().width(), "the explanation is cut off");
        }
    }

    void armingModeThroughTheDialog_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("closeButton");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2, choose 0, Bezárás") << 2 << 0 << true << "0";
        QTest::newRow("1, choose 3, Bezárás") << 1 << 3 << true << "3";
        QTest::newRow("2, choose 0, close box") << 2 << 0 << false << "2";
    }

    void armingModeThroughTheDialog()
    {
        QFETCH(int, stored);
        QFETCH(int, choice);
        QFETCH(bool, closeButton);
        QFETCH(QString, shown);
        EditorRig r;
        r.image.set(1791, std::uint8_t(stored));
        QVERIFY(r.open());
        r.editor.PageControl1->setCurrentIndex(4);
        ArmingModeBox& box = armingMode(r);
        QCOMPARE(box.edOnOffMode->text(), QString::number(stored));
        QVERIFY(!box.edOnOffMode->isEnabled());
        QCOMPARE(box.btOnOffMode->text(), QStringLiteral("Módosítás"));
        QCOMPARE(box.btOnOffMode->x(), box.edOnOffMode->geometry().right() + 1);

        int openedOn = -1;
        bool modal = false;
        QTimer::singleShot(0, &r.armingMode, [&] {
            modal = r.armingMode.isVisible() && r.armingMode.isModal();
            openedOn = r.armingMode.rgOnOffMode->itemIndex();
            QRadioButton* item = r.armingMode.rgOnOffMode->button(choice);
            // On its round button: the item is wider than its text.
            QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(item->height() / 2, item->height() / 2));
            if (closeButton)
                QTest::mouseClick(r.armingMode.btClose, Qt::LeftButton);
            else
                r.armingMode.close();
        });
        QTest::mouseClick(box.btOnOffMode, Qt::LeftButton);
        QVERIFY(modal);
        QCOMPARE(openedOn, stored);
        QVERIFY(!r.armingMode.isVisible());
        QCOMPARE(box.edOnOffMode->text(), shown);
        r.confirm();
        QCOMPARE(int(r.image.at(1791)), shown.toInt());
    }

    // Read from the module, change zone 3's name and user 2's code in the
    // editor, write: the module holds those bytes new and every other as it was.
    void editTravelsToTheModule()
    {
        EditorRig r;
        LinkedModule m;
        TFormDownload transfer(m.link, r.image, r.editor);
        QVERIFY(m.connect());
        QTest::mouseClick(transfer.btRead, Qt::LeftButton);
        const ParameterImage original = moduleImage(m);
        QCOMPARE(firstDifference(r.image, original), -1);

        bool edited = false;
        QTimer::singleShot(0, &r.editor, [&] {
            r.editor.PageControl1->setCurrentIndex(0);
            enterValue(findControl(r.editor, QStringLiteral("3. Zóna – Zóna neve")), QStringLiteral("Műhely"));
            r.editor.PageControl1->setCurrentIndex(1);
            enterValue(findControl(r.editor, QStringLiteral("2.Felhasználó – Azonosító kódja")),
                       QStringLiteral("654321"));
            edited = true;
            r.confirm();
        });
        QTest::mouseClick(transfer.btEdit, Qt::LeftButton);
        QVERIFY(edited);
        QTest::mouseClick(transfer.btWrite, Qt::LeftButton);

        const ParameterImage written = moduleImage(m);
        QCOMPARE(imageBytes(written, 223, 10), QByteArray("M\xFBhely    "));
        QCOMPARE(imageBytes(written, 25, 3), QByteArray("\x9A\xBC\xDE"));
        ParameterImage rest = written;
        putImageBytes(rest, 223, imageBytes(original, 223, 10));
        putImageBytes(rest, 25, imageBytes(original, 25, 3));
        QCOMPARE(firstDifference(rest, original), -1);

        r.image = ParameterImage();
        QTest::mouseClick(transfer.btRead, Qt::LeftButton);
        QCOMPARE(firstDifference(r.image, written), -1);
        QVERIFY(r.prompts.messages.isEmpty());
    }
};

QTEST_MAIN(TestSettingsEditor)
#include "tst_settingseditor.moc"
