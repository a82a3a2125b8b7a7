// The key rules of the digit grids, on the widget-free cell row. Cells are
// written as one character each, "_" for an empty cell.
#include "params/DigitCellRow.h"

#include <QTest>

using namespace params;

Q_DECLARE_METATYPE(params::DigitKind)

namespace {

QString shown(const DigitCellRow& row)
{
    QString text;
    for (const QString& cell : row.cells())
        text += cell.isEmpty() ? QStringLiteral("_") : cell;
    return text;
}

QStringList cellsFrom(const QString& text)
{
    QStringList cells;
    for (const QChar c : text)
        cells << (c == u'_' ? QString() : QString(c));
    return cells;
}

} // namespace

class TestDigitCellRow : public QObject
{
    Q_OBJECT
private slots:
    // "\b" in `input` is the backspace key.
    void keys_data()
    {
        QTest::addColumn<DigitKind>("kind");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<int>("selected");

        const auto dec = DigitKind::Decimal;
        const auto hex = DigitKind::Hex;
        const QString empty16(16, u'_');
        QTest::newRow("four digits") << dec << empty16 << 0 << "1234" << false << "1234____________" << 4;
        QTest::newRow("four digits, backspace") << dec << empty16 << 0 << "1234\b" << false << "123_____________" << 3;
        QTest::newRow("17 digits, the last wins in cell 15")
            << dec << empty16 << 0 << "12345678901234567" << false << "1234567890123457" << 15;
        QTest::newRow("backspace in the middle clears to the end")
            << dec << "0630123_________" << 3 << "\b" << false << "06______________" << 2;
        QTest::newRow("backspace on column 0 clears all") << dec << "0630____________" << 0 << "\b" << false
                                                          << empty16 << 0;
        QTest::newRow("typing over a digit") << dec << "0630____________" << 1 << "9" << false << "0930____________"
                                             << 2;
        QTest::newRow("telephone drops other keys") << dec << empty16 << 0 << "06-30 a+1*#" << false
                                                    << "06301___________" << 5;
        QTest::newRow("telephone paste with other characters: nothing")
            << dec << "06______________" << 2 << "+36 (30) 123-4567" << true << "06______________" << 2;
        QTest::newRow("paste of a line, digits only") << dec << empty16 << 0 << "06301234567\r\n" << true
                                                      << "06301234567_____" << 11;
        QTest::newRow("paste with a backspace: nothing") << dec << empty16 << 0 << "12\b3" << true << empty16 << 0;
        QTest::newRow("paste past the last cell: nothing") << dec << "06______________" << 2 << "123456789012345"
                                                           << true << "06______________" << 2;
        QTest::newRow("paste up to the last cell") << dec << "06______________" << 2 << "12345678901234" << true
                                                   << "0612345678901234" << 15;
        QTest::newRow("Contact-ID backspace on column 2") << hex << "1A3" << 2 << "\b" << false << "100" << 1;
        QTest::newRow("Contact-ID backspace on column 0") << hex << "1A3" << 0 << "\b" << false << "000" << 0;
        QTest::newRow("lower-case hex") << hex << "000" << 0 << "abc" << false << "ABC" << 2;
        QTest::newRow("hex drops other keys") << hex << "000" << 0 << "g-1 x\t" << false << "100" << 1;
        QTest::newRow("hex last cell overwritten") << hex << "000" << 0 << "12e4" << false << "124" << 2;
        QTest::newRow("account, two backspaces") << hex << "0000" << 0 << "12\b\b" << false << "0000" << 0;
        QTest::newRow("account backspace after three") << hex << "0000" << 0 << "9F1\b" << false << "9F00" << 2;
        QTest::newRow("account paste in lower case") << hex << "0000" << 0 << "1a2b" << true << "1A2B" << 3;
        QTest::newRow("account paste with a dash: nothing") << hex << "0000" << 0 << "1a-2b" << true << "0000" << 0;
    }

    void keys()
    {
        QFETCH(DigitKind, kind);
        QFETCH(QString, start);
        QFETCH(int, column);
        QFETCH(QString, input);
        QFETCH(bool, pasted);
        QFETCH(QString, cells);
        QFETCH(int, selected);

        DigitCellRow row(int(start.size()), kind);
        row.setCells(cellsFrom(start));
        row.selectColumn(column);
        if (pasted)
            row.paste(input);
        else
            for (const QChar key : input)
                row.keyPress(key);
        QCOMPARE(shown(row), cells);
        QCOMPARE(row.selectedColumn(), selected);
    }

    void validation_data()
    {
        QTest::addColumn<DigitKind>("kind");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("cell");
        QTest::newRow("digit") << DigitKind::Decimal << "7" << "7";
        QTest::newRow("first character only") << DigitKind::Decimal << "78" << "7";
        QTest::newRow("letter in a telephone cell") << DigitKind::Decimal << "A" << "";
        QTest::newRow("blank") << DigitKind::Decimal << " " << "";
        QTest::newRow("empty") << DigitKind::Hex << "" << "";
        QTest::newRow("hex upper-cased") << DigitKind::Hex << "b" << "B";
        QTest::newRow("no hex digit") << DigitKind::Hex << "G1" << "";
    }

    void validation()
    {
        QFETCH(DigitKind, kind);
        QFETCH(QString, value);
        QFETCH(QString, cell);
        QCOMPARE(DigitCellRow::validatedCell(value, kind), cell);
        DigitCellRow row(2, kind);
        row.setCells({value});
        QCOMPARE(row.cells(), QStringList({cell, QString()}));
    }

    void selectionStaysInTheRow()
    {
        DigitCellRow row(3, DigitKind::Hex);
        row.selectColumn(5);
        QCOMPARE(row.selectedColumn(), 2);
        row.selectColumn(-1);
        QCOMPARE(row.selectedColumn(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDigitCellRow)
#include "tst_digitcellrow.moc"
