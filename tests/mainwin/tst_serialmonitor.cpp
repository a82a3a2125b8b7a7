// The serial monitor window: the memo follows the link's monitor text, with
// its append rule, clearing and the "AT" button.
#include "LinkedModule.h"
#include "TestTicks.h"

#include "mainwin/TSerialForm.h"

#include <QListView>
#include <QPushButton>
#include <QTest>

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
