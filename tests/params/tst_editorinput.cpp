// Input that must not change settings unseen: the mouse wheel over controls
// without the focus, Escape over edits, pastes that do not fit or hold what a
// control does not take, and the limits of the text boxes and digit grids.
#include "DemoMemory.h"
#include "EditorProbe.h"
#include "EditorRig.h"
#include "LinkedModule.h"
#include "TestTicks.h"
#include "WheelNotch.h"

#include "app/AppSetup.h"
#include "mainwin/TForm1.h"
#include "params/editor/CheckColumn.h"
#include "params/editor/DigitGrid.h"
#include "params/editor/EventsPage.h"
#include "params/editor/NumberBox.h"
#include "params/editor/PhonesPage.h"
#include "params/editor/RelaysPage.h"
#include "params/editor/RowScrollArea.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include <functional>
#include <map>
#include <set>

using params::ParameterImage;

namespace {

const QString kTooLong = QStringLiteral("A beillesztett szöveg nem fér el.");
const QString kNotAllowed = QStringLiteral("A beillesztett szöveg nem megengedett karaktert tartalmaz.");
const QString kDiscard = QStringLiteral("Elveti a módosításokat?");

int firstDifference(const ParameterImage& a, const ParameterImage& b)
{
    for (int at = 0; at < ParameterImage::kSize; ++at)
        if (a.at(at) != b.at(at))
            return at;
    return -1;
}

// What kind of control a widget of a page is, or "" for none (labels,
// containers, the parts inside a spin box or list).
QString controlKind(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QComboBox*>(parent))
        return {};
    if (qobject_cast<const QAbstractSpinBox*>(widget))
        return QStringLiteral("spin box");
    if (qobject_cast<const QComboBox*>(widget))
        return QStringLiteral("list");
    if (qobject_cast<const CheckColumn*>(widget))
        return QStringLiteral("check column");
    if (qobject_cast<const DigitGrid*>(widget))
        return QStringLiteral("digit grid");
    if (qobject_cast<const QLineEdit*>(widget))
        return QStringLiteral("edit box");
    if (qobject_cast<const QRadioButton*>(widget))
        return QStringLiteral("radio button");
    if (qobject_cast<const QPushButton*>(widget))
        return QStringLiteral("button");
    return {};
}

// The part of `control` that its parents leave in view, in its own coordinates.
QRect visiblePart(const QWidget* control)
{
    QRect part = control->rect();
    for (const QWidget* up = control->parentWidget(); up; up = up->parentWidget())
        part &= QRect(control->mapFrom(up, QPoint(0, 0)), up->size());
    return part;
}

// Brings `control` into view in the scroll box that holds it, if any, and
// gives the middle of its part in view.
QPoint pointOver(QWidget* control)
{
    for (QWidget* up = control->parentWidget(); up; up = up->parentWidget())
        if (auto* box = qobject_cast<RowScrollArea*>(up)) {
            box->ensureWidgetVisible(control, 0, 0);
            break;
        }
    return visiblePart(control).center();
}

// Shows the page of the editor that holds `control`.
void showPageOf(TFormParSetting& editor, const QWidget* control)
{
    for (int page = 0; page < editor.PageControl1->count(); ++page)
        if (editor.PageControl1->widget(page)->isAncestorOf(control))
            editor.PageControl1->setCurrentIndex(page);
}

QString shownCells(const DigitGrid* grid)
{
    QString text;
    for (const QString& cell : grid->cells())
        text += cell.isEmpty() ? QStringLiteral("_") : cell;
    return text;
}

QStringList cellsOf(const QString& shown)
{
    QStringList cells;
    for (const QChar c : shown)
        cells << (c == u'_' ? QString() : QString(c));
    return cells;
}

void clickCell(DigitGrid* grid, int column)
{
    const int cellWidth = grid->width() / grid->row().columnCount();
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(column * cellWidth + cellWidth / 2, grid->height() / 2));
}

// Keys for a digit grid or a text box: "paste:TEXT" (Ctrl+V),
// "shift-insert:TEXT", "menu:TEXT" (the context menu's paste), "keys:TEXT"
// (typed, "\b" the backspace key).
void perform(QWidget* control, const QString& action)
{
    const QString verb = action.section(u':', 0, 0);
    const QString text = action.section(u':', 1);
    if (verb == QLatin1String("keys")) {
        for (const QChar c : text) {
            if (c == u'\b')
                QTest::keyClick(control, Qt::Key_Backspace);
            else
                QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        return;
    }
    QApplication::clipboard()->setText(text);
    if (verb == QLatin1String("paste")) {
        QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    } else if (verb == QLatin1String("shift-insert")) {
        QTest::keyClick(control, Qt::Key_Insert, Qt::ShiftModifier);
    } else {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), control->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(control, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        QVERIFY(paste);
        paste->trigger();
        menu->close();
    }
}

using GridOf = std::function<DigitGrid*(TFormParSetting&)>;

const std::map<QString, GridOf>& grids()
{
    static const std::map<QString, GridOf> found = {
        {"1. Telefonszám", [](TFormParSetting& e) { return e.TabSheet5->acgTel[0]; }},
        {"SMS továbbítás", [](TFormParSetting& e) { return e.TabSheet5->acgSMSFW; }},
        {"Ügyfél azonosító", [](TFormParSetting& e) { return e.TabSheet5->acgUserAccount; }},
        {"Contact-ID of row 1", [](TFormParSetting& e) { return e.TabSheet3->rows[0]->acgEvent; }},
    };
    return found;
}

} // namespace

class TestEditorInput : public QObject
{
    Q_OBJECT
private slots:
    // The program's own start-up setting, wheel guard included.
    void initTestCase()
    {
        useTestTicks();
        configureApplication();
    }

    // Every control of every page, the pointer over it and no control
    // focused, one notch up and then one down: after each pass the controls
    // store exactly the image they were loaded from.
    void wheelOverUnfocusedControlsChangesNothing_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("kinds");
        QTest::newRow("Zónák") << 0 << QStringList{"check column", "edit box", "list", "radio button", "spin box"};
        QTest::newRow("Felhasználók") << 1 << QStringList{"check column", "edit box"};
        QTest::newRow("Események") << 2 << QStringList{"check column", "digit grid", "edit box", "spin box"};
        QTest::newRow("Relé kimenetek") << 3 << QStringList{"check column", "spin box"};
        QTest::newRow("Telefonszámok") << 4 << QStringList{"button", "digit grid", "edit box", "list", "spin box"};
        QTest::newRow("Rádiós eszközök") << 5 << QStringList{"list"};
    }

    void wheelOverUnfocusedControlsChangesNothing()
    {
        QFETCH(int, page);
        QFETCH(QStringList, kinds);
        EditorRig r;
        r.image = imageOf(demoParameterMemory());
        const ParameterImage original = r.image;
        QVERIFY(r.open());
        r.editor.PageControl1->setCurrentIndex(page);
        QWidget* sheet = r.editor.PageControl1->widget(page);
        std::set<QString> seen;
        for (const int notches : {1, -1}) {
            for (QWidget* control : sheet->findChildren<QWidget*>()) {
                const QString kind = controlKind(control);
                if (kind.isEmpty())
                    continue;
                r.editor.PageControl1->tabBar()->setFocus();
                const QPoint at = pointOver(control);
                QWidget* hit = r.editor.childAt(control->mapTo(&r.editor, at));
                QVERIFY2(hit && (hit == control || control->isAncestorOf(hit)), qPrintable(control->accessibleName()));
                wheelNotches(control, at, notches);
                seen.insert(kind);
            }
            r.editor.StoreToImage();
            QCOMPARE(firstDifference(r.image, original), -1);
        }
        QCOMPARE(QStringList(seen.begin(), seen.end()), kinds);
    }

    // The wheel over a control without the focus scrolls the rows instead,
    // one row a notch.
    void wheelScrollsThePage_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("voice number") << "voice number of row 1";
        QTest::newRow("route column") << "T1";
        QTest::newRow("Contact-ID grid") << "Contact-ID of row 1";
        QTest::newRow("SMS text") << "SMS of row 1";
        QTest::newRow("relay column") << "R1 bekapcs.";
    }

    void wheelScrollsThePage()
    {
        QFETCH(QString, control);
        EditorRig r;
        QVERIFY(r.open());
        EventsPage& events = *r.editor.TabSheet3;
        RelaysPage& relays = *r.editor.TabSheet4;
        const std::map<QString, QWidget*> controls = {
            {"voice number of row 1", events.rows[0]->UdHanguz},
            {"T1", events.clbEvents[0]},
            {"Contact-ID of row 1", events.rows[0]->acgEvent},
            {"SMS of row 1", events.rows[0]->edSMS},
            {"R1 bekapcs.", relays.cblR[0]},
        };
        QWidget* target = controls.at(control);
        const bool onRelays = target == relays.cblR[0];
        r.editor.PageControl1->setCurrentIndex(onRelays ? 3 : 2);
        QScrollBar* bar = (onRelays ? relays.ScrollBox2 : events.ScrollBox1)->verticalScrollBar();
        r.editor.PageControl1->tabBar()->setFocus();
        // The pointer stays where it is while the rows move under it.
        const QPoint pointer = target->mapTo(&r.editor, visiblePart(target).center());
        const QWidget* hit = r.editor.childAt(pointer);
        QVERIFY(hit == target || target->isAncestorOf(hit));
        wheelNotches(&r.editor, pointer, -1);
        QCOMPARE(bar->value(), 28);
        wheelNotches(&r.editor, pointer, 1);
        QCOMPARE(bar->value(), 0);
    }

    // The guard is the application's: the main window's port list is passed
    // over as the editor's lists are.
    void wheelOverTheMainWindowsPortList()
    {
        DeviceLink link;
        TForm1 main(link);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.cbCOM->addItems({QStringLiteral("/dev/ttyS8"), QStringLiteral("/dev/ttyS9")});
        main.cbCOM->setCurrentIndex(0);
        main.setFocus();
        wheelNotches(main.cbCOM, main.cbCOM->rect().center(), -1);
        QCOMPARE(main.cbCOM->currentIndex(), 0);
        QVERIFY(!main.cbCOM->hasFocus());
    }

    // A control that has the focus still takes the wheel.
    void focusedControlTakesTheWheel_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("notches");
        QTest::addColumn<int>("stored");
        QTest::newRow("voice number of row 1, up") << 448 << 1 << 4;
        QTest::newRow("acknowledgement of number 2, down") << 1784 << -1 << 1;
    }

    void focusedControlTakesTheWheel()
    {
        QFETCH(int, offset);
        QFETCH(int, notches);
        QFETCH(int, stored);
        EditorRig r;
        r.image.set(448, 3);
        QVERIFY(r.open());
        QWidget* control = offset == 448 ? static_cast<QWidget*>(r.editor.TabSheet3->rows[0]->UdHanguz)
                                         : r.editor.TabSheet5->cbACK[1];
        showPageOf(r.editor, control);
        control->setFocus(Qt::TabFocusReason);
        QVERIFY(control->hasFocus());
        wheelNotches(control, QPoint(4, control->height() / 2), notches);
        QCOMPARE(r.editor.TabSheet3->ScrollBox1->verticalScrollBar()->value(), 0);
        r.confirm();
        QCOMPARE(int(r.image.at(offset)), stored);
    }

    // Escape closes as the cancel button does, but asks first when the
    // controls would store something other than what they were loaded from.
    void escape_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closed");
        QTest::newRow("nothing edited") << "none" << false << false << true;
        QTest::newRow("a voice number beyond its range, nothing edited") << "voice 200" << false << false << true;
        QTest::newRow("name typed and taken back") << "same name" << false << false << true;
        QTest::newRow("name changed, No") << "name" << false << true << false;
        QTest::newRow("name changed, Yes") << "name" << true << true << true;
        QTest::newRow("right marked, Yes") << "right" << true << true << true;
    }

    void escape()
    {
        QFETCH(QString, edit);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QFETCH(bool, closed);
        EditorRig r;
        putImageBytes(r.image, 223, QByteArray("Nappali   "));
        if (edit == QLatin1String("voice 200"))
            r.image.set(474, 200);
        const ParameterImage before = r.image;
        r.prompts.answers = {answer};
        QVERIFY(r.open());
        const EditorControl name = findControl(r.editor, QStringLiteral("3. Zóna – Zóna neve"));
        if (edit == QLatin1String("same name"))
            enterValue(name, QStringLiteral("Nappali"));
        else if (edit == QLatin1String("name"))
            enterValue(name, QStringLiteral("Műhely"));
        else if (edit == QLatin1String("right")) {
            const EditorControl right = findControl(r.editor, QStringLiteral("7.Felhasználó – Zóna bypass"));
            showPageOf(r.editor, right.widget);
            enterValue(right, QStringLiteral("1"));
        }
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &r.editor, Qt::Key_Escape);
        QCOMPARE(r.prompts.questions, asked ? QStringList{kDiscard} : QStringList{});
        QCOMPARE(r.editor.isVisible(), !closed);
        QCOMPARE(firstDifference(r.image, before), -1);
        if (!closed)
            QCOMPARE(shownValue(name), QStringLiteral("Műhely"));
    }

    // Keys typed into a digit grid keep their rules; a paste is taken whole
    // or not at all, and the status bar says why not. Cells as shown, "_"
    // for an empty one.
    void digitGridInput_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("status");
        const QString empty16(16, u'_');
        QTest::newRow("backspace after four digits")
            << "1. Telefonszám" << empty16 << 0 << "keys:0630\b" << "063_____________" << "";
        QTest::newRow("backspace in the middle") << "SMS továbbítás" << "0630123_________" << 3 << "keys:\b"
                                                 << "06______________" << "";
        QTest::newRow("Contact-ID backspace on column 2") << "Contact-ID of row 1" << "1A3" << 2 << "keys:\b"
                                                          << "100" << "";
        QTest::newRow("number pasted") << "1. Telefonszám" << empty16 << 0 << "paste:06301234567"
                                       << "06301234567_____" << "";
        QTest::newRow("copied line pasted") << "1. Telefonszám" << empty16 << 0 << "paste:06301234567\r\n"
                                            << "06301234567_____" << "";
        QTest::newRow("Shift+Insert") << "SMS továbbítás" << "06______________" << 2 << "shift-insert:30"
                                      << "0630____________" << "";
        QTest::newRow("fills up to the last cell") << "1. Telefonszám" << "0630____________" << 4
                                                   << "paste:123456789012" << "0630123456789012" << "";
        QTest::newRow("number with blanks and text") << "1. Telefonszám" << empty16 << 0
                                                     << "paste:+36 30 123 4567 ext 89" << empty16 << kNotAllowed;
        QTest::newRow("one digit too many") << "1. Telefonszám" << "0630____________" << 4
                                            << "paste:1234567890123" << "0630____________" << kTooLong;
        QTest::newRow("17 digits") << "SMS továbbítás" << empty16 << 0 << "paste:36301234567890123" << empty16
                                   << kTooLong;
        QTest::newRow("account pasted in lower case") << "Ügyfél azonosító" << "0000" << 0 << "paste:1a2b"
                                                      << "1A2B" << "";
        QTest::newRow("account with a dash") << "Ügyfél azonosító" << "0000" << 0 << "paste:1a-2b" << "0000"
                                             << kNotAllowed;
        QTest::newRow("Contact-ID from a word") << "Contact-ID of row 1" << "000" << 0 << "paste:kód: 1A3" << "000"
                                                << kNotAllowed;
        QTest::newRow("Contact-ID too long") << "Contact-ID of row 1" << "000" << 1 << "paste:ace" << "000"
                                             << kTooLong;
    }

    void digitGridInput()
    {
        QFETCH(QString, grid);
        QFETCH(QString, start);
        QFETCH(int, column);
        QFETCH(QString, action);
        QFETCH(QString, cells);
        QFETCH(QString, status);
        EditorRig r;
        QVERIFY(r.open());
        DigitGrid* target = grids().at(grid)(r.editor);
        showPageOf(r.editor, target);
        target->setCells(cellsOf(start));
        clickCell(target, column);
        QCOMPARE(target->selectedColumn(), column);
        perform(target, action);
        QCOMPARE(shownCells(target), cells);
        QCOMPARE(r.editor.StatusBar1->currentMessage(), status);
    }

    // The text boxes keep their limits for typing and pasting alike: a paste
    // that does not fit beside the text that stays, or holds a line break or
    // a character that the module's code page lacks, changes nothing; the
    // test time takes digits and its colon, as many as its mask has room for.
    void textBoxInput_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("status");
        const QString user = QStringLiteral("2.Felhasználó – Felhasználó neve");
        const QString sms = QStringLiteral("01. IN1 Riasztás – SMS üzenet");
        QTest::newRow("user name typed past 10") << user << "" << false << "keys:Nagy Ferenc" << "Nagy Feren" << "";
        QTest::newRow("SMS text typed past 20") << sms << "" << false << "keys:Riasztás a pincében!!"
                                                << "Riasztás a pincében!" << "";
        QTest::newRow("user name pasted, fits") << user << "" << false << "paste:Nagy Feri" << "Nagy Feri" << "";
        QTest::newRow("user name pasted, 11") << user << "" << false << "paste:Nagy Ferenc" << "" << kTooLong;
        QTest::newRow("user name pasted beside a name") << user << "Éva" << false << "paste: Kovácsné" << "Éva"
                                                        << kTooLong;
        QTest::newRow("user name pasted over the selection") << user << "Kovácsné" << true << "paste:Nagy Feri"
                                                             << "Nagy Feri" << "";
        QTest::newRow("zone name pasted over the selection")
            << "3. Zóna – Zóna neve" << "Konyha" << true << "menu:Nappali" << "Nappali" << "";
        QTest::newRow("SMS text pasted, 21") << sms << "" << false << "paste:Riasztás a pincében!!" << ""
                                             << kTooLong;
        QTest::newRow("SMS text of two lines") << sms << "" << false << "paste:Tűz\nPince" << "" << kNotAllowed;
        QTest::newRow("SMS text with a character the module lacks")
            << sms << "" << false << "paste:Tűz ✓" << "" << kNotAllowed;
        QTest::newRow("code pasted, 7 digits") << "2.Felhasználó – Azonosító kódja" << "" << false
                                               << "paste:1234567" << "" << kTooLong;
        const QString time = QStringLiteral("Tesztjelentés időpontja (óó:pp)");
        QTest::newRow("test time pasted") << time << "12:30" << true << "paste:07:05" << "07:05" << "";
        QTest::newRow("test time pasted, digits only") << time << "12:30" << true << "paste:0705" << "07:05" << "";
        QTest::newRow("test time pasted, a digit too many") << time << "12:30" << true << "paste:12:345" << "12:30"
                                                            << kTooLong;
        QTest::newRow("test time pasted with a word") << time << "12:30" << true << "paste:23:59 óra" << "12:30"
                                                      << kNotAllowed;
        QTest::newRow("installer code pasted by the menu") << "Telepítői kód megváltoztatása" << "" << false
                                                           << "menu:246810" << "246810" << "";
    }

    void textBoxInput()
    {
        QFETCH(QString, control);
        QFETCH(QString, start);
        QFETCH(bool, selectAll);
        QFETCH(QString, action);
        QFETCH(QString, shown);
        QFETCH(QString, status);
        EditorRig r;
        QVERIFY(r.open());
        const EditorControl found = findControl(r.editor, control);
        QVERIFY(found);
        auto* box = qobject_cast<QLineEdit*>(found.widget);
        QVERIFY(box);
        showPageOf(r.editor, box);
        box->setText(start);
        box->setFocus();
        if (selectAll)
            box->selectAll();
        perform(box, action);
        QCOMPARE(box->text(), shown);
        QCOMPARE(r.editor.StatusBar1->currentMessage(), status);
    }
};

QTEST_MAIN(TestEditorInput)
#include "tst_editorinput.moc"
