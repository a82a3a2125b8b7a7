// The editor's events, relay, telephone and radio pages through their real
// controls: what they show, what a click or a key stores, their names and
// captions, the start-up texts, and an edit carried to the simulated module.
#include "LinkedModule.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"
#include "TextFit.h"

#include "DemoMemory.h"
#include "mainwin/Languages.h"
#include "mainwin/TForm1.h"
#include "params/TFormDownload.h"
#include "params/TFormParSetting.h"
#include "params/editor/CheckColumn.h"
#include "params/editor/DigitGrid.h"
#include "params/editor/EventsPage.h"
#include "params/editor/NumberBox.h"
#include "params/editor/PhonesPage.h"
#include "params/editor/RadioPage.h"
#include "params/editor/RelaysPage.h"
#include "params/editor/RowScrollArea.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <climits>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>

using namespace params;

using ByteList = QList<QPair<int, int>>; // offset, byte
Q_DECLARE_METATYPE(ByteList)
Q_DECLARE_METATYPE(params::ParameterImage)

namespace {

using Editor = TFormParSetting;

EventsPage& events(Editor& e) { return *e.TabSheet3; }
RelaysPage& relays(Editor& e) { return *e.TabSheet4; }
PhonesPage& phones(Editor& e) { return *e.TabSheet5; }
RadioPage& radio(Editor& e) { return *e.FoPanel6; }

void put(ParameterImage& image, const ByteList& bytes)
{
    for (const auto& [offset, value] : bytes)
        image.set(offset, std::uint8_t(value));
}

// The demo memory with the settings of these pages cleared (event reports
// 423..1644 to zeros and blank SMS texts, 1671..1894 to zeros) and set to a
// few values the cases below start from, each within its control's range.
ParameterImage baseImage()
{
    ParameterImage image = imageOf(demoParameterMemory());
    for (int offset = 423; offset < 1645; ++offset) {
        const int inRecord = (offset - 423) % 26;
        image.set(offset, inRecord >= 5 && inRecord < 25 ? 0x20 : 0x00);
    }
    for (int offset = 1671; offset < 1895; ++offset)
        image.set(offset, 0x00);
    put(image, {{1794, 3}, {1797, 1}, {1852, 7}, {1853, 12}, {1854, 30}, {1870, 1}, {1871, 0x15}, {1872, 0x60}});
    return image;
}

ByteList changedBytes(const ParameterImage& before, const ParameterImage& after)
{
    ByteList changed;
    for (int offset = 0; offset < ParameterImage::kSize; ++offset)
        if (before.at(offset) != after.at(offset))
            changed.append({offset, after.at(offset)});
    return changed;
}

// A character typed on the keyboard, whatever its code.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void clickItem(CheckColumn* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void clickFirstCell(DigitGrid* grid)
{
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(2, grid->height() / 2));
}

void press(QWidget* widget, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(widget, key);
}

void replaceText(QComboBox* list, const QString& text)
{
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Delete);
    typeText(list->lineEdit(), text);
}

QString shownCells(const DigitGrid* grid)
{
    QString text;
    for (const QString& cell : grid->cells())
        text += cell.isEmpty() ? QStringLiteral("_") : cell;
    return text;
}

using Action = std::function<void(Editor&)>;

const std::map<QString, Action>& edits()
{
    static const std::map<QString, Action> actions = {
        {"T1 of row 27", [](Editor& e) { clickItem(events(e).clbEvents[0], 26); }},
        {"S2 of row 27", [](Editor& e) { clickItem(events(e).clbEvents[5], 26); }},
        {"Közp. of row 27", [](Editor& e) { clickItem(events(e).clbEvents[8], 26); }},
        {"Contact-ID of row 1", [](Editor& e) {
             clickFirstCell(events(e).rows[0]->acgEvent);
             QTest::keyClicks(events(e).rows[0]->acgEvent, "13a");
         }},
        {"SMS of row 47", [](Editor& e) { typeText(events(e).rows[46]->edSMS, QStringLiteral("Tűz! $")); }},
        {"voice of row 1", [](Editor& e) { press(events(e).rows[0]->UdHanguz, Qt::Key_Up, 2); }},
        {"row 0 of cblR1", [](Editor& e) { clickItem(relays(e).cblR[0], 0); }},
        {"row 59 of cblR6", [](Editor& e) { clickItem(relays(e).cblR[5], 59); }},
        {"relay 3 delay", [](Editor& e) {
             NumberBox* box = relays(e).relays[2]->UdRELdelay;
             box->selectAll();
             QTest::keyClicks(box, "200");
         }},
        {"telephone 1 typed", [](Editor& e) {
             clickFirstCell(phones(e).acgTel[0]);
             QTest::keyClicks(phones(e).acgTel[0], "06-30 123 4567");
         }},
        {"telephone 4 pasted", [](Editor& e) {
             QApplication::clipboard()->setText(QStringLiteral("3612"));
             QTest::keyClick(phones(e).acgTel[3], Qt::Key_V, Qt::ControlModifier);
         }},
        {"account typed lower-case", [](Editor& e) { QTest::keyClicks(phones(e).acgUserAccount, "ab"); }},
        {"acknowledgement 2", [](Editor& e) { press(phones(e).cbACK[1], Qt::Key_Down); }},
        {"OUT 2 mode", [](Editor& e) { press(phones(e).sirens[1]->cbOUTmode, Qt::Key_Down, 2); }},
        {"OUT 1 time floor", [](Editor& e) { press(phones(e).sirens[0]->UdOUTtime, Qt::Key_Down, 5); }},
        {"alarm maximum floor", [](Editor& e) { press(phones(e).UdAlarmMax, Qt::Key_Down, 5); }},
        {"test time, blank first hour digit", [](Editor& e) {
             QLineEdit* time = phones(e).meTesztIdopont;
             press(time, Qt::Key_Home);
             press(time, Qt::Key_Delete);
             press(time, Qt::Key_Right);
             QTest::keyClicks(time, "705");
             QCOMPARE(time->displayText(), QStringLiteral("_7:05"));
         }},
        {"remote A of user 1 typed", [](Editor& e) {
             replaceText(radio(e).rows[0]->cbRFButt[0], QStringLiteral("Relé3"));
         }},
        {"remote A of user 1 typed in lower case", [](Editor& e) {
             replaceText(radio(e).rows[0]->cbRFButt[0], QStringLiteral("relé3"));
         }},
        {"remote B of user 1 names nothing", [](Editor& e) {
             replaceText(radio(e).rows[0]->cbRFButt[1], QStringLiteral("Relé 9"));
         }},
        {"remote C of user 3 emptied", [](Editor& e) { replaceText(radio(e).rows[2]->cbRFButt[2], QString()); }},
    };
    return actions;
}

using Probe = std::function<QString(Editor&)>;

QString marks(const CheckColumn* list, int first, int last)
{
    QString text;
    for (int row = first; row <= last; ++row)
        text += list->isChecked(row) ? u'1' : u'0';
    return text;
}

const std::map<QString, Probe>& probes()
{
    static const std::map<QString, Probe> shown = {
        {"routes of row 27", [](Editor& e) {
             QString text;
             for (const CheckColumn* list : events(e).clbEvents)
                 text += marks(list, 26, 26);
             return text;
         }},
        {"Contact-ID of row 47", [](Editor& e) { return shownCells(events(e).rows[46]->acgEvent); }},
        {"SMS of row 2", [](Editor& e) { return events(e).rows[1]->edSMS->text(); }},
        {"voice of row 2", [](Editor& e) { return events(e).rows[1]->UdHanguz->text(); }},
        {"cblR6 rows 57..59", [](Editor& e) { return marks(relays(e).cblR[5], 57, 59); }},
        {"telephone 2", [](Editor& e) { return shownCells(phones(e).acgTel[1]); }},
        {"account", [](Editor& e) { return shownCells(phones(e).acgUserAccount); }},
        {"test time", [](Editor& e) { return phones(e).meTesztIdopont->displayText(); }},
        {"relay 2 time", [](Editor& e) { return relays(e).relays[1]->UdRELtime->text(); }},
        {"remote A, B of user 6", [](Editor& e) {
             return radio(e).rows[5]->cbRFButt[0]->currentText() + u'|' + radio(e).rows[5]->cbRFButt[1]->currentText();
         }},
    };
    return shown;
}

QStringList pageTexts(QWidget* page)
{
    QStringList texts;
    for (const QLabel* label : page->findChildren<QLabel*>())
        texts << label->text();
    for (const QComboBox* list : page->findChildren<QComboBox*>())
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
    return texts;
}

} // namespace

class TestEditorPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        useTestTicks();
        m_shared = std::make_unique<Editor>(m_sharedImage);
    }
    void cleanupTestCase() { m_shared.reset(); }

    void unchangedWhenNothingEdited_data()
    {
        QTest::addColumn<ParameterImage>("original");
        QTest::newRow("start of the cases below") << baseImage();
        QTest::newRow("simulator's demo memory") << imageOf(demoParameterMemory());
    }

    void unchangedWhenNothingEdited()
    {
        QFETCH(ParameterImage, original);
        ParameterImage image = original;
        Editor editor(image);
        editor.LoadFromImage();
        QTest::mouseClick(editor.btSettingOK, Qt::LeftButton);
        QCOMPARE(changedBytes(original, image), ByteList());
    }

    void edit_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<ByteList>("stored");
        QTest::newRow("T1 of row 27") << "T1 of row 27" << ByteList{{1103, 0x01}};
        QTest::newRow("S2 of row 27") << "S2 of row 27" << ByteList{{1103, 0x20}};
        QTest::newRow("Közp. of row 27") << "Közp. of row 27" << ByteList{{1102, 0x01}};
        QTest::newRow("Contact-ID of row 1") << "Contact-ID of row 1" << ByteList{{423, 1}, {424, 3}, {425, 0x0A}};
        QTest::newRow("SMS of row 47") << "SMS of row 47"
                                       << ByteList{{1624, 0x54}, {1625, 0xFB}, {1626, 0x7A}, {1627, 0x21}, {1629, 0x24}};
        QTest::newRow("voice of row 1") << "voice of row 1" << ByteList{{448, 2}};
        QTest::newRow("row 0 of cblR1") << "row 0 of cblR1" << ByteList{{1798, 0x01}};
        QTest::newRow("row 59 of cblR6") << "row 59 of cblR6" << ByteList{{1849, 0x08}};
        QTest::newRow("relay 3 delay") << "relay 3 delay" << ByteList{{1850, 200}};
        QTest::newRow("telephone 1 typed")
            << "telephone 1 typed"
            << ByteList{{1671, 0x30}, {1672, 0x36}, {1673, 0x33}, {1674, 0x30}, {1675, 0x31}, {1676, 0x32},
                        {1677, 0x33}, {1678, 0x34}, {1679, 0x35}, {1680, 0x36}, {1681, 0x37}};
        QTest::newRow("telephone 4 pasted") << "telephone 4 pasted"
                                            << ByteList{{1719, 0x33}, {1720, 0x36}, {1721, 0x31}, {1722, 0x32}};
        QTest::newRow("account typed lower-case") << "account typed lower-case" << ByteList{{1787, 0x0A}, {1788, 0x0B}};
        QTest::newRow("acknowledgement 2") << "acknowledgement 2" << ByteList{{1784, 1}};
        QTest::newRow("OUT 2 mode") << "OUT 2 mode" << ByteList{{1795, 2}};
        QTest::newRow("OUT 1 time floor") << "OUT 1 time floor" << ByteList{{1794, 1}};
        QTest::newRow("alarm maximum floor") << "alarm maximum floor" << ByteList{{1852, 5}};
        QTest::newRow("test time, blank first hour digit") << "test time, blank first hour digit"
                                                           << ByteList{{1853, 7}, {1854, 5}};
        QTest::newRow("remote A of user 1 typed") << "remote A of user 1 typed" << ByteList{{1871, 0x85}};
        QTest::newRow("remote A of user 1 typed in lower case") << "remote A of user 1 typed in lower case"
                                                                << ByteList{{1871, 0x85}};
        QTest::newRow("remote B of user 1 names nothing") << "remote B of user 1 names nothing"
                                                          << ByteList{{1871, 0x1F}};
        QTest::newRow("remote C of user 3 emptied") << "remote C of user 3 emptied" << ByteList{{1876, 0xF0}};
    }

    void edit()
    {
        QFETCH(QString, action);
        QFETCH(ByteList, stored);
        ParameterImage image = baseImage();
        Editor editor(image);
        editor.LoadFromImage();
        edits().at(action)(editor);
        QTest::mouseClick(editor.btSettingOK, Qt::LeftButton);
        QCOMPARE(changedBytes(baseImage(), image), stored);
    }

    void cancelStoresNothing()
    {
        ParameterImage image = baseImage();
        Editor editor(image);
        editor.LoadFromImage();
        edits().at("row 59 of cblR6")(editor);
        edits().at("telephone 1 typed")(editor);
        QTest::mouseClick(editor.btSettingCancel, Qt::LeftButton);
        QCOMPARE(image, baseImage());
        // The next opening shows the image, not the cancelled edits.
        editor.LoadFromImage();
        QVERIFY(!relays(editor).cblR[5]->isChecked(59));
        QCOMPARE(shownCells(phones(editor).acgTel[0]), QStringLiteral("________________"));
    }

    // Each caption stands over the grid of its number: digits typed under it
    // are stored at its offset.
    void numberCaptions_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<ByteList>("stored");
        const auto digits0630 = [](int at) {
            return ByteList{{at, 0x30}, {at + 1, 0x36}, {at + 2, 0x33}, {at + 3, 0x30}};
        };
        QTest::newRow("1. Telefonszám") << "1. Telefonszám" << "0630" << digits0630(1671);
        QTest::newRow("2. Telefonszám") << "2. Telefonszám" << "0630" << digits0630(1687);
        QTest::newRow("3. Telefonszám") << "3. Telefonszám" << "0630" << digits0630(1703);
        QTest::newRow("4. Telefonszám") << "4. Telefonszám" << "0630" << digits0630(1719);
        QTest::newRow("1. Központ tel.") << "1. Központ tel." << "0630" << digits0630(1735);
        QTest::newRow("2. Központ tel.") << "2. Központ tel." << "0630" << digits0630(1751);
        QTest::newRow("SMS továbbítás") << "SMS továbbítás" << "0630" << digits0630(1767);
        QTest::newRow("Ügyfél azonosító") << "Ügyfél azonosító" << "1a2b"
                                          << ByteList{{1787, 0x01}, {1788, 0x0A}, {1789, 0x02}, {1790, 0x0B}};
    }

    void numberCaptions()
    {
        QFETCH(QString, caption);
        QFETCH(QString, typed);
        QFETCH(ByteList, stored);
        ParameterImage image = baseImage();
        Editor editor(image);
        editor.LoadFromImage();
        editor.PageControl1->setCurrentIndex(4);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QWidget* page = editor.PageControl1->widget(4);
        QList<QLabel*> labels;
        for (QLabel* label : page->findChildren<QLabel*>())
            if (label->text() == caption)
                labels << label;
        QCOMPARE(labels.size(), 1);
        const QRect captionBox(labels.front()->mapTo(page, QPoint(0, 0)), labels.front()->size());
        // The grid right under the caption, at its left edge.
        DigitGrid* under = nullptr;
        int nearest = INT_MAX;
        for (DigitGrid* grid : page->findChildren<DigitGrid*>()) {
            const QPoint at = grid->mapTo(page, QPoint(0, 0));
            const int gap = at.y() - captionBox.bottom();
            if (std::abs(at.x() - captionBox.left()) <= 2 && gap >= 0 && gap < nearest) {
                nearest = gap;
                under = grid;
            }
        }
        QVERIFY(under);
        clickFirstCell(under);
        QTest::keyClicks(under, typed.toLatin1().constData());
        QTest::mouseClick(editor.btSettingOK, Qt::LeftButton);
        QCOMPARE(changedBytes(baseImage(), image), stored);
    }

    void load_data()
    {
        QTest::addColumn<ByteList>("bytes");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("shown");
        QTest::newRow("route bits 0, 5, 8") << ByteList{{1102, 0x01}, {1103, 0x21}} << "routes of row 27"
                                            << "100001001";
        QTest::newRow("route bits 9..15 unused") << ByteList{{1102, 0xFE}, {1103, 0x00}} << "routes of row 27"
                                                 << "000000000";
        QTest::newRow("Contact-ID low nibbles") << ByteList{{1619, 0x1A}, {1620, 0x03}, {1621, 0xFF}}
                                                << "Contact-ID of row 47" << "A3F";
        QTest::newRow("SMS text") << ByteList{{454, 0x4F}, {455, 0x4B}, {456, 0x00}, {457, 0x21}} << "SMS of row 2"
                                  << "OK!";
        QTest::newRow("voice above 12") << ByteList{{474, 200}} << "voice of row 2" << "12";
        QTest::newRow("relay mask byte 7") << ByteList{{1849, 0xF8}} << "cblR6 rows 57..59" << "001";
        QTest::newRow("telephone with a gap") << ByteList{{1687, 0x31}, {1688, 0x32}, {1690, 0x34}, {1691, 0x41}}
                                              << "telephone 2" << "12_4____________";
        QTest::newRow("account byte above 15") << ByteList{{1787, 0x20}, {1788, 0x0B}} << "account" << "_B00";
        QTest::newRow("test time") << ByteList{{1853, 7}, {1854, 5}} << "test time" << "07:05";
        QTest::newRow("relay 2 time") << ByteList{{1833, 255}} << "relay 2 time" << "255";
        QTest::newRow("remote nibble 9") << ByteList{{1881, 0x93}} << "remote A, B of user 6" << "|Élesítés P2";
    }

    void load()
    {
        QFETCH(ByteList, bytes);
        QFETCH(QString, probe);
        QFETCH(QString, shown);
        ParameterImage image = baseImage();
        put(image, bytes);
        Editor editor(image);
        editor.LoadFromImage();
        QCOMPARE(probes().at(probe)(editor), shown);
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("route") << "clbEvents6 item 26" << "27. Élesítés Part.1 – S2";
        QTest::newRow("relay list") << "cblR1 item 12" << "R1 bekapcs. – 12. IN6 Visszaállás";
        QTest::newRow("relay list row 0") << "cblR6 item 0" << "R3 kikapcs. – 00. Telefonos távvezérlés";
        QTest::newRow("Contact-ID") << "acgEvent47" << "47. RF zaj – Contact-ID kód";
        QTest::newRow("SMS") << "edSMS1" << "01. IN1 Riasztás – SMS üzenet";
        QTest::newRow("voice") << "UdHanguz46" << "46. Kényszerkód – Hangüzenet sorszáma";
        QTest::newRow("telephone") << "acgTel1" << "1. Telefonszám";
        QTest::newRow("acknowledgement") << "cbACK4" << "4. Telefonszám – Nyugtázás";
        QTest::newRow("account") << "acgUserAccount" << "Ügyfél azonosító";
        QTest::newRow("relay time") << "UdREL3time" << "RELE 3 – Maximális időtartam ( 0-255 sec )";
        QTest::newRow("siren delay") << "UdOUT2delay" << "OUT 2 – Start késleltetés ( 0-255 sec )";
        QTest::newRow("zone alarm limit") << "UdZoneAlarmMax"
                                          << "Egy zónáról küldhető riasztások maximális száma (0-25,  0=nincs korlátozva)";
        QTest::newRow("test time") << "meTesztIdopont" << "Tesztjelentés időpontja (óó:pp)";
        QTest::newRow("remote button") << "cbRFButtD12" << "12.Felhasználó – 4. nyomógomb";
    }

    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        Editor& e = *m_shared;
        const std::map<QString, std::function<QString()>> names = {
            {"clbEvents6 item 26",
             [&] { return events(e).clbEvents[5]->item(26)->data(Qt::AccessibleTextRole).toString(); }},
            {"cblR1 item 12", [&] { return relays(e).cblR[0]->item(12)->data(Qt::AccessibleTextRole).toString(); }},
            {"cblR6 item 0", [&] { return relays(e).cblR[5]->item(0)->data(Qt::AccessibleTextRole).toString(); }},
            {"acgEvent47", [&] { return events(e).rows[46]->acgEvent->accessibleName(); }},
            {"edSMS1", [&] { return events(e).rows[0]->edSMS->accessibleName(); }},
            {"UdHanguz46", [&] { return events(e).rows[45]->UdHanguz->accessibleName(); }},
            {"acgTel1", [&] { return phones(e).acgTel[0]->accessibleName(); }},
            {"cbACK4", [&] { return phones(e).cbACK[3]->accessibleName(); }},
            {"acgUserAccount", [&] { return phones(e).acgUserAccount->accessibleName(); }},
            {"UdREL3time", [&] { return relays(e).relays[2]->UdRELtime->accessibleName(); }},
            {"UdOUT2delay", [&] { return phones(e).sirens[1]->UdOUTdelay->accessibleName(); }},
            {"UdZoneAlarmMax", [&] { return phones(e).UdZoneAlarmMax->accessibleName(); }},
            {"meTesztIdopont", [&] { return phones(e).meTesztIdopont->accessibleName(); }},
            {"cbRFButtD12", [&] { return radio(e).rows[11]->cbRFButt[3]->accessibleName(); }},
        };
        QCOMPARE(names.at(control)(), name);
    }

    void captions_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");
        const int ev = 2, rel = 3, tel = 4, rad = 5;
        QTest::newRow("Contact-ID") << ev << "Contact-ID";
        QTest::newRow("kód") << ev << "kód";
        QTest::newRow("S4") << ev << "S4";
        QTest::newRow("Közp.") << ev << "Közp.";
        QTest::newRow("SMS üzenet *") << ev << "SMS üzenet *";
        QTest::newRow("sorszáma") << ev << "sorszáma";
        QTest::newRow("lbSMScomment")
            << ev
            << "*  :  Az SMS üzenet szövegében a $ karakter helyére a zóna vagy a felhasználó nevét, a # karakter "
               "helyére pedig a sorszámát helyettesíti a modul.";
        QTest::newRow("row 0") << rel << "00. Telefonos távvezérlés";
        QTest::newRow("R2 kikapcs.") << rel << "R2 kikapcs.";
        QTest::newRow("RELE 2 :") << rel << "RELE 2 :";
        QTest::newRow("relay delay") << rel << "Start késleltetés ( 0-255 sec ) :";
        QTest::newRow("relay time") << rel << "Maximális időtartam ( 0-255 sec ) :";
        QTest::newRow("2. Központ tel.") << tel << "2. Központ tel.";
        QTest::newRow("SMS továbbítás") << tel << "SMS továbbítás";
        QTest::newRow("ack item 2") << tel << "2-   * = nyugta,  # = leállítás";
        QTest::newRow("siren item 1") << tel << "1 - Sziréna 0V    (alaphelyzet 12V, riasztáskor 0V )";
        QTest::newRow("siren title") << tel << "Sziréna kimenetek beállítása:";
        QTest::newRow("siren time") << tel << "Maximális időtartam ( 1-25 perc ) :";
        QTest::newRow("test period") << tel << "Tesztjelentés gyakorisága (0 - 255 nap) :";
        QTest::newRow("alarm maximum") << tel << "A riasztás maximális ideje ( 5-25 perc ) :";
        QTest::newRow("auto arm") << tel << "(1-255 óra,  0=auto élesítés kikapcsolva)";
        QTest::newRow("radio title") << rad << "Rádiós távkezelő nyomógombjainak beállítása";
        QTest::newRow("column A") << rad << "( 2 gombos -> zöld )";
        QTest::newRow("column D") << rad << "( 4 gombos -> kék )";
        QTest::newRow("user 1") << rad << "  1.Felhasználó ";
        QTest::newRow("user 12") << rad << "12.Felhasználó ";
        QTest::newRow("function 4") << rad << "Éjszakai élesítés";
        QTest::newRow("function 1") << rad << "Élesítés P1&P2";
    }

    void captions()
    {
        QFETCH(int, page);
        QFETCH(QString, text);
        QVERIFY(pageTexts(m_shared->PageControl1->widget(page)).contains(text));
    }

    void listsHandTheFocusToTheirBox_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("events") << 2;
        QTest::newRow("relays") << 3;
    }

    void listsHandTheFocusToTheirBox()
    {
        QFETCH(int, page);
        ParameterImage image;
        Editor editor(image);
        editor.PageControl1->setCurrentIndex(page);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        RowScrollArea* box = page == 2 ? events(editor).ScrollBox1 : relays(editor).ScrollBox2;
        CheckColumn* list = page == 2 ? events(editor).clbEvents[3] : relays(editor).cblR[3];
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        clickItem(list, 40);
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(list->isChecked(40));
        editor.FormCreate();
        QCOMPARE(box->verticalScrollBar()->value(), 0);
    }

    // The telephone page's drop-down lists (acknowledgement and siren modes)
    // show every item whole in the closed box, at the window's own size.
    void phonesPageListsShowTheirItemsWhole()
    {
        Editor& editor = *m_shared;
        editor.PageControl1->setCurrentIndex(4);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QList<QComboBox*> lists = phones(editor).findChildren<QComboBox*>();
        QCOMPARE(lists.size(), 6);
        for (const QComboBox* list : lists)
            QVERIFY2(textfit::comboFits(list), qPrintable(list->accessibleName()));
        editor.hide();
    }

    // Rows are 28 pixels apart and the check marks of a row stand beside it.
    void rowsLineUpWithTheirLists()
    {
        EventsPage& ev = events(*m_shared);
        QCOMPARE(ev.rows[46]->y(), 1288);
        QCOMPARE(ev.clbEvents[8]->visualItemRect(ev.clbEvents[8]->item(46)).top() + ev.clbEvents[8]->y(), 1288);
        RelaysPage& rel = relays(*m_shared);
        QCOMPARE(rel.lbREventLabel[59]->y(), 1652);
        QCOMPARE(rel.cblR[5]->visualItemRect(rel.cblR[5]->item(59)).top() + rel.cblR[5]->y(), 1652);
    }

    void interfaceTexts()
    {
        DeviceLink link;
        TForm1 main(link);
        ParameterImage image;
        Editor editor(image);
        QVERIFY(events(editor).rows[36]->EventLabel->text().isEmpty());
        SetInterfaceTexts(main, editor);
        auto eventLabel = [&](int n) { return events(editor).rows[std::size_t(n - 1)]->EventLabel->text(); };
        auto relayLabel = [&](int n) { return relays(editor).lbREventLabel[std::size_t(n)]->text(); };
        QCOMPARE(eventLabel(1), QStringLiteral("01. IN1 Riasztás     "));
        QCOMPARE(eventLabel(27), QStringLiteral("27. Élesítés Part.1  "));
        QCOMPARE(eventLabel(37), QStringLiteral("37. RF elem < 7V     "));
        QCOMPARE(eventLabel(46), QStringLiteral("46. Kényszerkód      "));
        QCOMPARE(eventLabel(47), QStringLiteral("47. RF zaj           "));
        QCOMPARE(relayLabel(0), QStringLiteral("00. Telefonos távvezérlés"));
        QCOMPARE(relayLabel(1), QStringLiteral("01. IN1 Riasztás     "));
        QCOMPARE(relayLabel(48), QStringLiteral("48. IN1 jelez        "));
        QCOMPARE(relayLabel(58), QStringLiteral("58. IN11 jelez       "));
        QCOMPARE(relayLabel(59).size(), 21);
        QCOMPARE(relayLabel(58).size(), 21);
    }

    // Read from the module, edit through the transfer window's editor,
    // write, read again: exactly the edited bytes differ.
    void editReachesTheModule()
    {
        ScriptedPrompter dialogs;
        SimulatorSettings settings;
        settings.memory = baseImage().bytes();
        LinkedModule m(settings);
        ParameterImage image;
        Editor editor(image);
        TFormDownload form(m.link, image, editor);
        QVERIFY(m.connect());

        QTest::mouseClick(form.btRead, Qt::LeftButton);
        QCOMPARE(image, baseImage());
        QTimer::singleShot(0, &editor, [&] {
            for (const char* action :
                 {"telephone 1 typed", "Contact-ID of row 1", "row 59 of cblR6", "remote A of user 1 typed"})
                edits().at(action)(editor);
            QTest::mouseClick(editor.btSettingOK, Qt::LeftButton);
        });
        QTest::mouseClick(form.btEdit, Qt::LeftButton);
        QTest::mouseClick(form.btWrite, Qt::LeftButton);
        image.clear();
        QTest::mouseClick(form.btRead, Qt::LeftButton);

        QCOMPARE(dialogs.messages, QStringList());
        QCOMPARE(changedBytes(baseImage(), image),
                 ByteList({{423, 1}, {424, 3}, {425, 0x0A}, {1671, 0x30}, {1672, 0x36}, {1673, 0x33}, {1674, 0x30},
                           {1675, 0x31}, {1676, 0x32}, {1677, 0x33}, {1678, 0x34}, {1679, 0x35}, {1680, 0x36},
                           {1681, 0x37}, {1849, 0x08}, {1871, 0x85}}));
    }

private:
    // One editor for the tests that only look at names and captions.
    ParameterImage m_sharedImage;
    std::unique_ptr<Editor> m_shared;
};

QTEST_MAIN(TestEditorPages)
#include "tst_editorpages.moc"
