// The zones and users pages of the settings editor, driven through their
// controls as a person (or a screen reader) finds them. Offsets and bytes are
// those of the layout description.
#include "EditorProbe.h"
#include "EditorRig.h"

#include "params/editor/CheckColumn.h"
#include "params/editor/RotatedLabel.h"

#include <QAccessible>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QSet>
#include <QTabWidget>

using params::ParameterImage;

namespace {

const QString kRefused = QStringLiteral("A jelszó csak 4 vagy 6 jegyű szám lehet!");

QByteArray spaces(int n)
{
    return QByteArray(n, ' ');
}

// Columns of a load table: bytes put at `offset` of an all-zero image, what
// the control shows after loading, and the bytes there after storing.
void addLoadColumns()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("stored");
}

void loadAndStore()
{
    QFETCH(QString, control);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(QByteArray, stored);
    EditorRig r;
    putImageBytes(r.image, offset, bytes);
    QVERIFY(r.open());
    const EditorControl found = findControl(r.editor, control);
    QVERIFY2(found, qPrintable(control));
    QCOMPARE(shownValue(found), shown);
    r.confirm();
    QCOMPARE(imageBytes(r.image, offset, int(stored.size())), stored);
}

// Columns of an edit table: bytes put at `offset` before opening, what is
// entered into the control, the bytes there after "Beállítások Rögzítése",
// what the control shows when the editor is opened again, and whether the
// code message was shown.
void addEditColumns()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("reopened");
    QTest::addColumn<bool>("refused");
}

void editAndStore()
{
    QFETCH(QString, control);
    QFETCH(int, offset);
    QFETCH(QByteArray, before);
    QFETCH(QString, input);
    QFETCH(QByteArray, stored);
    QFETCH(QString, reopened);
    QFETCH(bool, refused);
    EditorRig r;
    putImageBytes(r.image, offset, before);
    QVERIFY(r.open());
    EditorControl found = findControl(r.editor, control);
    QVERIFY2(found, qPrintable(control));
    enterValue(found, input);
    QCOMPARE(r.prompts.messages, refused ? QStringList{kRefused} : QStringList{});
    r.confirm();
    QVERIFY(!r.editor.isVisible());
    QCOMPARE(imageBytes(r.image, offset, int(stored.size())), stored);
    QVERIFY(r.open());
    QCOMPARE(shownValue(found), reopened);
}

} // namespace

class TestEditorPages : public QObject
{
    Q_OBJECT
private slots:
    void zoneLoad_data()
    {
        addLoadColumns();
        // Names: 0x00 and 0xFF are skipped, trailing blanks dropped.
        QTest::newRow("zone 1 name") << "1. Zóna – Zóna neve" << 183 << QByteArray("Bej\xE1rat   ") << "Bejárat"
                                     << QByteArray("Bej\xE1rat   ");
        QTest::newRow("zone 12 name, skipped bytes")
            << "12. Zóna – Zóna neve" << 403 << QByteArray("\xFF" "Ab\x00" "c d   ", 10) << "Abc d"
            << QByteArray("Abc d     ");
        QTest::newRow("zone 1 wiring 0") << "1. Zóna – Rövidzárra aktív" << 193 << QByteArray(1, 0) << "1"
                                         << QByteArray(1, 0);
        QTest::newRow("zone 1 wiring 3") << "1. Zóna – Rádiós érzékelő" << 193 << QByteArray(1, 3) << "1"
                                         << QByteArray(1, 3);
        QTest::newRow("zone 3 wiring 1") << "3. Zóna – Szakadásra aktív" << 233 << QByteArray(1, 1) << "1"
                                         << QByteArray(1, 1);
        QTest::newRow("zone 3 wiring 4: none") << "3. Zóna – Rövidzárra aktív" << 233 << QByteArray(1, 4) << "0"
                                               << QByteArray(1, '\xFF');
        QTest::newRow("zone 1 partition 2") << "1. Zóna – Partíció 2" << 194 << QByteArray(1, 2) << "1"
                                            << QByteArray(1, 2);
        QTest::newRow("zone 12 partition 3") << "12. Zóna – 24 órás zóna" << 414 << QByteArray(1, 3) << "1"
                                             << QByteArray(1, 3);
        QTest::newRow("zone 1 sensitivity") << "1. Zóna – Zóna érzékenység" << 195 << QByteArray(1, '\xFF') << "255"
                                            << QByteArray(1, '\xFF');
        QTest::newRow("zone 1 entry delay") << "1. Zóna – Belépési késlelt." << 196 << QByteArray(1, 30) << "30"
                                            << QByteArray(1, 30);
        QTest::newRow("zone 1 exit delay") << "1. Zóna – Kilépési késlelt." << 197 << QByteArray(1, 45) << "45"
                                           << QByteArray(1, 45);
        QTest::newRow("zone 3 silent 1") << "3. Zóna – Csendes zóna" << 238 << QByteArray(1, 1) << "1"
                                         << QByteArray(1, 1);
        QTest::newRow("zone 3 silent 2") << "3. Zóna – Csendes zóna" << 238 << QByteArray(1, 2) << "0"
                                         << QByteArray(1, 0);
        QTest::newRow("zone 3 smart time 25") << "3. Zóna – Intelligens zóna" << 239 << QByteArray(1, 25) << "25"
                                              << QByteArray(1, 25);
        QTest::newRow("zone 3 smart time 26") << "3. Zóna – Intelligens zóna" << 239 << QByteArray(1, 26) << "25"
                                              << QByteArray(1, 25);
        QTest::newRow("zone 12 follower") << "12. Zóna – Követő zóna" << 420 << QByteArray(1, 1) << "1"
                                          << QByteArray(1, 1);
        QTest::newRow("zone 12 cover time 24") << "12. Zóna – Zóna takarás idő" << 421 << QByteArray(1, 24) << "24"
                                               << QByteArray(1, 24);
        QTest::newRow("zone 12 cover time 200") << "12. Zóna – Zóna takarás idő" << 421 << QByteArray(1, '\xC8')
                                                << "25" << QByteArray(1, 25);
        QTest::newRow("zone 1 night 3") << "1. Zóna – Éjszakai zóna beállítás" << 202 << QByteArray(1, 3)
                                        << "Kiinduló zóna" << QByteArray(1, 3);
        QTest::newRow("zone 12 night 1") << "12. Zóna – Éjszakai zóna beállítás" << 422 << QByteArray(1, 1)
                                         << "Éles, követő" << QByteArray(1, 1);
        QTest::newRow("zone 12 night 9: none") << "12. Zóna – Éjszakai zóna beállítás" << 422 << QByteArray(1, 9)
                                               << "" << QByteArray(1, '\xFF');
        QTest::newRow("zone 3 bypass 7") << "3. Zóna – Bypass" << 1858 << QByteArray(1, 7) << "1" << QByteArray(1, 1);
        QTest::newRow("zone 12 bypass 1") << "12. Zóna – Bypass" << 1867 << QByteArray(1, 1) << "1"
                                          << QByteArray(1, 1);
        QTest::newRow("night walk 25") << "Éjszakai séta időtartam" << 1870 << QByteArray(1, 25) << "25"
                                       << QByteArray(1, 25);
        QTest::newRow("night walk 0") << "Éjszakai séta időtartam" << 1870 << QByteArray(1, 0) << "1"
                                      << QByteArray(1, 1);
    }

    void zoneLoad() { loadAndStore(); }

    void zoneEdit_data()
    {
        addEditColumns();
        QTest::newRow("name with trailing blanks")
            << "3. Zóna – Zóna neve" << 223 << QByteArray() << "Konyha   " << QByteArray("Konyha    ") << "Konyha"
            << false;
        QTest::newRow("name cut at ten") << "3. Zóna – Zóna neve" << 223 << QByteArray() << "Hosszú zóna neve"
                                         << QByteArray("Hossz\xFA z\xF3n") << "Hosszú zón" << false;
        QTest::newRow("name emptied") << "12. Zóna – Zóna neve" << 403 << QByteArray("Padl\xE1s    ") << ""
                                      << spaces(10) << "" << false;
        QTest::newRow("wiring") << "1. Zóna – Szakadásra aktív" << 193 << QByteArray() << "1" << QByteArray(1, 1)
                                << "1" << false;
        QTest::newRow("wiring radio") << "12. Zóna – Rádiós érzékelő" << 413 << QByteArray() << "1"
                                      << QByteArray(1, 3) << "1" << false;
        QTest::newRow("partition both") << "1. Zóna – Partíció 1 és 2" << 194 << QByteArray(1, 2) << "1"
                                        << QByteArray(1, 0) << "1" << false;
        QTest::newRow("partition 24 h") << "3. Zóna – 24 órás zóna" << 234 << QByteArray() << "1" << QByteArray(1, 3)
                                        << "1" << false;
        QTest::newRow("sensitivity") << "1. Zóna – Zóna érzékenység" << 195 << QByteArray() << "123"
                                     << QByteArray(1, 123) << "123" << false;
        QTest::newRow("entry delay") << "1. Zóna – Belépési késlelt." << 196 << QByteArray() << "42"
                                     << QByteArray(1, 42) << "42" << false;
        QTest::newRow("exit delay") << "1. Zóna – Kilépési késlelt." << 197 << QByteArray() << "7" << QByteArray(1, 7)
                                    << "7" << false;
        QTest::newRow("exit delay past 255") << "3. Zóna – Kilépési késlelt." << 237 << QByteArray() << "300"
                                             << QByteArray(1, 30) << "30" << false;
        QTest::newRow("smart time past 25") << "3. Zóna – Intelligens zóna" << 239 << QByteArray() << "26"
                                            << QByteArray(1, 2) << "2" << false;
        QTest::newRow("smart time up at 25") << "3. Zóna – Intelligens zóna" << 239 << QByteArray(1, 25) << "<up>"
                                             << QByteArray(1, 25) << "25" << false;
        QTest::newRow("cover time") << "12. Zóna – Zóna takarás idő" << 421 << QByteArray() << "25"
                                    << QByteArray(1, 25) << "25" << false;
        QTest::newRow("silent") << "3. Zóna – Csendes zóna" << 238 << QByteArray() << "1" << QByteArray(1, 1) << "1"
                                << false;
        QTest::newRow("follower") << "12. Zóna – Követő zóna" << 420 << QByteArray() << "1" << QByteArray(1, 1)
                                  << "1" << false;
        QTest::newRow("bypass") << "3. Zóna – Bypass" << 1858 << QByteArray() << "1" << QByteArray(1, 1) << "1"
                                << false;
        QTest::newRow("bypass cleared") << "1. Zóna – Bypass" << 1856 << QByteArray(1, 7) << "0" << QByteArray(1, 0)
                                        << "0" << false;
        QTest::newRow("night setting") << "1. Zóna – Éjszakai zóna beállítás" << 202 << QByteArray() << "Kikapcsolt"
                                       << QByteArray(1, 2) << "Kikapcsolt" << false;
        QTest::newRow("night walk down at 1") << "Éjszakai séta időtartam" << 1870 << QByteArray(1, 1) << "<down>"
                                              << QByteArray(1, 1) << "1" << false;
        QTest::newRow("night walk typed 0") << "Éjszakai séta időtartam" << 1870 << QByteArray(1, 5) << "0"
                                            << QByteArray(1, 1) << "1" << false;
    }

    void zoneEdit() { editAndStore(); }

    void userLoad_data()
    {
        addLoadColumns();
        QTest::newRow("user 2 name") << "2.Felhasználó – Felhasználó neve" << 15 << QByteArray("Szab\xF3 \xC9va ")
                                     << "Szabó Éva" << QByteArray("Szab\xF3 \xC9va ");
        QTest::newRow("user 2 code 1234") << "2.Felhasználó – Azonosító kódja" << 25 << QByteArray("\xED\xCB\x00", 3)
                                          << "1234" << QByteArray("\xED\xCB\x00", 3);
        QTest::newRow("user 2 code 123456") << "2.Felhasználó – Azonosító kódja" << 25 << QByteArray("\xED\xCB\xA9")
                                            << "123456" << QByteArray("\xED\xCB\xA9");
        QTest::newRow("user 12 no code") << "12.Felhasználó – Azonosító kódja" << 175 << QByteArray(3, 0)
                                         << "******" << QByteArray(3, 0);
        QTest::newRow("user 5 arming right") << "5.Felhasználó – Élesítés" << 73 << QByteArray("\x00\x04", 2) << "1"
                                             << QByteArray("\x00\x04", 2);
        QTest::newRow("user 5 partition 1 right") << "5.Felhasználó – 1. partíció" << 73 << QByteArray("\x00\x04", 2)
                                                  << "0" << QByteArray("\x00\x04", 2);
        QTest::newRow("user 1 event list right") << "1.Felhasználó – Eseménylista" << 13 << QByteArray("\x01\x00", 2)
                                                 << "1" << QByteArray("\x01\x00", 2);
        QTest::newRow("user 12 voice right") << "12.Felhasználó – Tel. Hangrögz." << 178 << QByteArray("\x80\x00", 2)
                                             << "1" << QByteArray("\x80\x00", 2);
        QTest::newRow("installer code") << "Telepítői kód megváltoztatása" << 180 << QByteArray("\xED\xCB\x00", 3)
                                        << "1234" << QByteArray("\xED\xCB\x00", 3);
    }

    void userLoad() { loadAndStore(); }

    void userEdit_data()
    {
        addEditColumns();
        const QString code2 = QStringLiteral("2.Felhasználó – Azonosító kódja");
        const QByteArray code1234("\xED\xCB\x00", 3);
        QTest::newRow("name") << "2.Felhasználó – Felhasználó neve" << 15 << QByteArray() << "Kis Ödön"
                              << QByteArray("Kis \xD6" "d\xF6n  ") << "Kis Ödön" << false;
        QTest::newRow("code of six") << code2 << 25 << code1234 << "654321" << QByteArray("\x9A\xBC\xDE") << "654321"
                                     << false;
        QTest::newRow("code of four") << code2 << 25 << QByteArray("\x9A\xBC\xDE") << "1234" << code1234 << "1234"
                                      << false;
        QTest::newRow("code 123456") << code2 << 25 << code1234 << "123456" << QByteArray("\xED\xCB\xA9")
                                     << "123456" << false;
        QTest::newRow("code with stars") << code2 << 25 << code1234 << "12**34" << QByteArray("\xED\x00\xCB", 3)
                                         << "1234" << false;
        QTest::newRow("code removed on purpose") << code2 << 25 << code1234 << "******" << QByteArray(3, 0)
                                                 << "******" << false;
        QTest::newRow("no code left untouched") << code2 << 25 << QByteArray(3, 0) << "<keep>" << QByteArray(3, 0)
                                                << "******" << false;
        // A refused code gets back the code the box held when it was entered.
        QTest::newRow("refused: empty") << code2 << 25 << code1234 << "" << code1234 << "1234" << true;
        QTest::newRow("refused: five digits") << code2 << 25 << code1234 << "12345" << code1234 << "1234" << true;
        QTest::newRow("refused: letter") << code2 << 25 << code1234 << "12a4" << code1234 << "1234" << true;
        QTest::newRow("refused: blank") << code2 << 25 << code1234 << "12 4" << code1234 << "1234" << true;
        QTest::newRow("refused: no code stays") << code2 << 25 << QByteArray(3, 0) << "123" << QByteArray(3, 0)
                                                << "******" << true;
        QTest::newRow("installer code") << "Telepítői kód megváltoztatása" << 180 << code1234 << "987654"
                                        << QByteArray("\x67\x89\xAB") << "987654" << false;
        QTest::newRow("installer code refused") << "Telepítői kód megváltoztatása" << 180 << code1234 << "98765"
                                                << code1234 << "1234" << true;
        QTest::newRow("right 14 cleared") << "12.Felhasználó – Tel. Hatást." << 178 << QByteArray("\xFF\xFF")
                                          << "0" << QByteArray("\xDF\xFF") << "0" << false;
    }

    void userEdit() { editAndStore(); }

    // The sixteen rights titles, blanks and all, each over the check box of
    // its bit: the mark under a title of user 2 stores that bit alone of the
    // big-endian rights word at 28..29.
    void rightsTitles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("word");
        QTest::newRow("right 1") << "rlbUPart1" << "1. partíció" << QByteArray("\x00\x01", 2);
        QTest::newRow("right 2") << "rlbUPart2" << "2. partíció" << QByteArray("\x00\x02", 2);
        QTest::newRow("right 3") << "rlbUArm" << "Élesítés" << QByteArray("\x00\x04", 2);
        QTest::newRow("right 4") << "rlbUDisarm" << "Hatástalanítás" << QByteArray("\x00\x08", 2);
        QTest::newRow("right 5") << "rlbUChangeCode" << "    Kód csere" << QByteArray("\x00\x10", 2);
        QTest::newRow("right 6") << "rlbUEditUser" << "Felhaszn. szerk." << QByteArray("\x00\x20", 2);
        QTest::newRow("right 7") << "rlbUErrorList" << "Hibalista" << QByteArray("\x00\x40", 2);
        QTest::newRow("right 8") << "rlbUTimeSet" << "Óra beállítás" << QByteArray("\x00\x80", 2);
        QTest::newRow("right 9") << "rlbUEventList" << "Eseménylista" << QByteArray("\x01\x00", 2);
        QTest::newRow("right 10") << "rlbUZoneMem" << "Zóna memória" << QByteArray("\x02\x00", 2);
        QTest::newRow("right 11") << "rlbUZoneBypass" << "Zóna bypass" << QByteArray("\x04\x00", 2);
        QTest::newRow("right 12") << "rlbUSmokeClear" << "Füstj. törlése" << QByteArray("\x08\x00", 2);
        QTest::newRow("right 13") << "rlbUTelArm" << "Tel. Élesítés" << QByteArray("\x10\x00", 2);
        QTest::newRow("right 14") << "rlbUTelDisarm" << "   Tel. Hatást." << QByteArray("\x20\x00", 2);
        QTest::newRow("right 15") << "rlbUTelRel" << "Tel. Relé vez." << QByteArray("\x40\x00", 2);
        QTest::newRow("right 16") << "rlbUTelVoice" << "Tel. Hangrögz." << QByteArray("\x80\x00", 2);
    }

    void rightsTitles()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QByteArray, word);
        EditorRig r;
        QVERIFY(r.open());
        r.editor.PageControl1->setCurrentIndex(1);
        QWidget* sheet = r.editor.PageControl1->widget(1);
        const RotatedLabel* label = nullptr;
        for (const RotatedLabel* candidate : sheet->findChildren<RotatedLabel*>())
            if (candidate->text() == title) {
                QVERIFY2(!label, "two columns with one title");
                label = candidate;
            }
        QVERIFY(label);
        QCOMPARE(label->objectName(), name);
        const int middle = label->mapTo(sheet, label->rect().center()).x();
        CheckColumn* under = nullptr;
        for (CheckColumn* column : sheet->findChildren<CheckColumn*>()) {
            const int left = column->mapTo(sheet, QPoint(0, 0)).x();
            if (middle >= left && middle < left + column->width())
                under = column;
        }
        QVERIFY(under);
        QTest::mouseClick(under->viewport(), Qt::LeftButton, {}, under->visualItemRect(under->item(1)).center());
        r.confirm();
        QCOMPARE(imageBytes(r.image, 28, 2), word);
    }

    // A box left with a refused code, entered again and left with another
    // refused code, gets back the code accepted in between.
    void refusalRestoresTheLastAcceptedCode()
    {
        EditorRig r;
        QVERIFY(r.open());
        const EditorControl box = findControl(r.editor, QStringLiteral("4.Felhasználó – Azonosító kódja"));
        QVERIFY(box);
        enterValue(box, QStringLiteral("2468"));
        enterValue(box, QStringLiteral("24680"));
        QCOMPARE(shownValue(box), QStringLiteral("2468"));
        QCOMPARE(r.prompts.messages, QStringList{kRefused});
        r.confirm();
        QCOMPARE(imageBytes(r.image, 55, 3), QByteArray("\xDB\x97\x00", 3));
    }

    void rowCaptions_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("zone 1") << "lbZone1" << "  1. Zóna";
        QTest::newRow("zone 9") << "lbZone9" << "  9. Zóna";
        QTest::newRow("zone 10") << "lbZone10" << "10. Zóna";
        QTest::newRow("user 1") << "lbUser1" << "  1.Felhasználó ";
        QTest::newRow("user 12") << "lbUser12" << "12.Felhasználó ";
        QTest::newRow("installer code") << "lbChangeMasterCode" << "Telepítői kód megváltoztatása:";
        QTest::newRow("rights") << "lbUserRights" << "Jogosultságok";
        QTest::newRow("name limit") << "lbUmax10char" << "(max 10.karakter)";
        QTest::newRow("code digits") << "lbU4_6digit" << "(4 v. 6 számjegy)";
        QTest::newRow("night walk") << "lbNightWalk3" << "(0-25 perc)";
        QTest::newRow("night setting") << "lbNightSetting2" << "zóna beállítás";
    }

    void rowCaptions()
    {
        QFETCH(QString, label);
        QFETCH(QString, caption);
        EditorRig r;
        const auto* found = r.editor.findChild<QLabel*>(label);
        QVERIFY(found);
        QCOMPARE(found->text(), caption);
    }

    // A screen reader finds every control of the two pages by a name of its
    // own: 12 rows of 18 zone controls and the night walk, 12 rows of 18 user
    // controls and the installer code.
    void everyControlHasItsOwnName_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("controls");
        QTest::newRow("zones") << 0 << 12 * 18 + 1;
        QTest::newRow("users") << 1 << 12 * 18 + 1;
    }

    void everyControlHasItsOwnName()
    {
        QFETCH(int, page);
        QFETCH(int, controls);
        EditorRig r;
        QWidget* sheet = r.editor.PageControl1->widget(page);
        QStringList names;
        for (QWidget* widget : sheet->findChildren<QWidget*>()) {
            if (auto* column = qobject_cast<CheckColumn*>(widget)) {
                for (int row = 0; row < column->count(); ++row)
                    names << column->item(row)->data(Qt::AccessibleTextRole).toString();
            } else if (widget->focusPolicy() != Qt::NoFocus && !qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) {
                names << widget->accessibleName();
            }
        }
        QCOMPARE(names.size(), controls);
        QVERIFY(!names.contains(QString()));
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), controls);
    }

    // Every rotated title stands over the column it names, fully painted, and
    // a screen reader reads its exact text; every check column lines up with
    // the rows and is passed over by Tab.
    void titlesAndColumnsLineUp_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("firstRow");
        QTest::addColumn<QString>("rowLabel");
        QTest::addColumn<int>("columnTitles");
        QTest::newRow("zones") << 0 << "1. Zóna" << "lbZone" << 17;
        QTest::newRow("users") << 1 << "1.Felhasználó" << "lbUser" << 16;
    }

    void titlesAndColumnsLineUp()
    {
        QFETCH(int, page);
        QFETCH(QString, firstRow);
        QFETCH(QString, rowLabel);
        QFETCH(int, columnTitles);
        EditorRig r;
        QVERIFY(r.open());
        r.editor.PageControl1->setCurrentIndex(page);
        QWidget* sheet = r.editor.PageControl1->widget(page);
        int matched = 0;
        for (const RotatedLabel* title : sheet->findChildren<RotatedLabel*>()) {
            QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<RotatedLabel*>(title))->text(QAccessible::Name),
                     title->text());
            QVERIFY(title->height() >= title->fontMetrics().horizontalAdvance(title->text()));
            const EditorControl control = findControl(*sheet, firstRow + QStringLiteral(" – ") + title->text().trimmed());
            if (!control)
                continue; // a unit line
            ++matched;
            QRect cell = control.widget->rect();
            if (const auto* column = qobject_cast<CheckColumn*>(control.widget))
                cell = column->visualItemRect(column->item(control.item));
            const int middle = title->mapTo(sheet, title->rect().center()).x();
            const QRect under(control.widget->mapTo(sheet, cell.topLeft()), cell.size());
            QVERIFY2(middle >= under.left() && middle <= under.right(), qPrintable(title->text()));
            QVERIFY(title->mapTo(sheet, title->rect().bottomLeft()).y() < under.top());
        }
        QCOMPARE(matched, columnTitles);

        const auto columns = sheet->findChildren<CheckColumn*>();
        QVERIFY(!columns.isEmpty());
        for (const CheckColumn* column : columns) {
            QCOMPARE(column->focusPolicy(), Qt::NoFocus);
            QCOMPARE(column->count(), 12);
            for (int row = 1; row <= 12; ++row) {
                const auto* label = sheet->findChild<QLabel*>(rowLabel + QString::number(row));
                const QRect item = column->visualItemRect(column->item(row - 1));
                const int middle = column->viewport()->mapTo(sheet, item.center()).y();
                const QRect caption(label->mapTo(sheet, QPoint(0, 0)), label->size());
                QVERIFY2(middle > caption.top() && middle < caption.bottom(),
                         qPrintable(column->objectName() + QString::number(row)));
            }
        }
    }
};

QTEST_MAIN(TestEditorPages)
#include "tst_zonesusers.moc"
