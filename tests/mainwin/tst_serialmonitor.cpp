// The serial monitor window: the memo follows the link's monitor text, with
// its append rule, clearing, the "AT" button and copying what is selected.
#include "LinkedModule.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "mainwin/TSerialForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The lines the memo shows, read through its view.
QStringList memoLines(const TSerialForm& form)
{
    const QAbstractItemModel* model = form.RxMemo->model();
    QStringList lines;
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->index(row, 0).data().toString();
    return lines;
}

// A click on a row of the memo, with the keys held that pick lines.
struct RowClick
{
    int row;
    Qt::KeyboardModifiers keys = Qt::NoModifier;
};

void clickRow(const TSerialForm& form, RowClick click)
{
    QListView* view = form.RxMemo;
    const QRect rect = view->visualRect(view->model()->index(click.row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, click.keys, rect.center());
}

// Opens the memo's context menu and picks the entry with this text; returns
// the texts of all entries, in menu order.
QStringList pickFromContextMenu(const TSerialForm& form, const QString& entry)
{
    QStringList texts;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        QAction* picked = nullptr;
        for (QAction* action : menu->actions()) {
            texts << action->text();
            if (action->text() == entry)
                picked = action;
        }
        if (picked != nullptr)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(picked).center());
        else
            menu->close();
    });
    QWidget* viewport = form.RxMemo->viewport();
    const QPoint at = viewport->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    return texts;
}

} // namespace

class TestSerialMonitor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void memoFollowsTheLineAlsoWhileHidden()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        m.sim.sendLine("EARLY");
        QTRY_COMPARE(m.link.monitor().lines().size(), 2);
        TSerialForm form(m.link);
        QVERIFY(!form.isVisible());
        QCOMPARE(memoLines(form), (QStringList{"EARLY", ""}));
        QTest::mouseClick(form.btAT, Qt::LeftButton);
        m.sim.sendLine("OK");
        QTRY_COMPARE(memoLines(form), (QStringList{"EARLY", "------> AT", "OK", ""}));
        QCOMPARE(m.received(), QByteArrayList{"AT"});
    }

    void clearMakesTheNextLineTheFirst()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        TSerialForm form(m.link);
        m.sim.sendLine("ONE");
        QTRY_COMPARE(memoLines(form), (QStringList{"ONE", ""}));
        QTest::mouseClick(form.btClear, Qt::LeftButton);
        QCOMPARE(memoLines(form), QStringList());
        m.sim.sendLine("TWO");
        QTRY_COMPARE(memoLines(form), (QStringList{"TWO", ""}));
    }

    void atButtonWithClosedPortShowsNothing()
    {
        LinkedModule m;
        TSerialForm form(m.link);
        QTest::mouseClick(form.btAT, Qt::LeftButton);
        QCOMPARE(memoLines(form), QStringList());
    }

    void atButtonDuringAnotherExchangeSendsNothing()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        ScriptedPrompter prompts;
        TSerialForm form(m.link);
        {
            const auto held = m.link.beginTransaction();
            QVERIFY(held);
            QTest::mouseClick(form.btAT, Qt::LeftButton);
            QCOMPARE(prompts.messages, QStringList{"Egy másik művelet folyamatban van."});
            QCOMPARE(memoLines(form), QStringList());
        }
        QTest::mouseClick(form.btAT, Qt::LeftButton);
        QTRY_COMPARE(m.received(), QByteArrayList{"AT"});
    }

    void ctrlCCopiesTheSelectedLinesInMemoOrder_data()
    {
        QTest::addColumn<QList<RowClick>>("clicks");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("copied");
        QTest::newRow("one line") << QList<RowClick>{{2}} << false << "OK";
        QTest::newRow("picked bottom up") << QList<RowClick>{{3}, {0, Qt::ControlModifier}, {2, Qt::ControlModifier}}
                                          << false << "ELSŐ\nOK\nPWDOK";
        QTest::newRow("a range") << QList<RowClick>{{3}, {1, Qt::ShiftModifier}} << false
                                 << "------> AT\nOK\nPWDOK";
        // The empty last line stands for the line being filled.
        QTest::newRow("ctrl+a") << QList<RowClick>{{2}} << true << "ELSŐ\n------> AT\nOK\nPWDOK\n";
    }

    void ctrlCCopiesTheSelectedLinesInMemoOrder()
    {
        QFETCH(QList<RowClick>, clicks);
        QFETCH(bool, selectAll);
        QFETCH(QString, copied);
        LinkedModule m;
        for (const char* line : {"ELSŐ", "------> AT", "OK", "PWDOK"})
            m.link.monitor().append(QString::fromUtf8(line));
        TSerialForm form(m.link);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QApplication::clipboard()->setText(QStringLiteral("before"));
        for (const RowClick& click : clicks)
            clickRow(form, click);
        QVERIFY(form.RxMemo->hasFocus());
        if (selectAll)
            QTest::keyClick(form.RxMemo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(form.RxMemo, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), copied);
    }

    void contextMenuSelectsAllAndCopies()
    {
        LinkedModule m;
        for (const char* line : {"PWDOK", "------> AT"})
            m.link.monitor().append(QString::fromUtf8(line));
        TSerialForm form(m.link);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QApplication::clipboard()->setText(QStringLiteral("before"));
        const QStringList entries = pickFromContextMenu(form, QStringLiteral("Összes kijelölése"));
        QCOMPARE(entries, (QStringList{"Másolás", "Összes kijelölése"}));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        pickFromContextMenu(form, QStringLiteral("Másolás"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("PWDOK\n------> AT\n"));
    }

    void captionAndSize()
    {
        LinkedModule m;
        TSerialForm form(m.link);
        QCOMPARE(form.windowTitle(), QStringLiteral("Soros kapcsolat részletei"));
        QCOMPARE(form.size(), QSize(383, 495));
        QCOMPARE(form.btClear->text(), QStringLiteral("Ablak törlése"));
        QCOMPARE(form.btClose->text(), QStringLiteral("Ablak bezárása"));
    }
};

QTEST_MAIN(TestSerialMonitor)
#include "tst_serialmonitor.moc"
