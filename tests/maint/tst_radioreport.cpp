// What a radio report line makes of one slot: decoding, the teach byte and
// the painting rule, in one table.
#include "RadioTestLines.h"

#include "maint/RadioReport.h"
#include "maint/RadioSlotLook.h"

#include <QTest>

using maint::SlotColour;
Q_DECLARE_METATYPE(maint::SlotColour)

namespace {

QByteArray replaced(QByteArray line, int at, const QByteArray& text)
{
    return line.replace(at, text.size(), text);
}

} // namespace

class TestRadioReport : public QObject
{
    Q_OBJECT
private slots:
    void slotLook_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("text"); // empty: the line is ignored
        QTest::addColumn<SlotColour>("colour");
        QTest::addColumn<int>("signal");
        const QString empty = QStringLiteral("-");
        const QString taught = QStringLiteral("OK.");
        const QString teaching = QStringLiteral("Tanulás");
        const QString lowSupply = QStringLiteral("<7V");

        QTest::newRow("0x00") << radioReport({{0, 0x00}, {37, 42}}) << 0 << empty << SlotColour::ButtonFace << 42;
        QTest::newRow("0x01") << radioReport({{1, 0x01}, {37, 63}}) << 1 << taught << SlotColour::Teal << 63;
        QTest::newRow("0x81") << radioReport({{35, 0x81}}) << 35 << taught << SlotColour::Red << 0;
        QTest::newRow("0x19") << radioReport({{12, 0x19}}) << 12 << QStringLiteral("3") << SlotColour::Teal << 0;
        QTest::newRow("0x05") << radioReport({{24, 0x05}}) << 24 << lowSupply << SlotColour::Yellow << 0;
        QTest::newRow("0x80") << radioReport({{23, 0x80}}) << 23 << empty << SlotColour::Red << 0;
        QTest::newRow("0x78") << radioReport({{11, 0x78}}) << 11 << QStringLiteral("F") << SlotColour::ButtonFace << 0;
        QTest::newRow("0xFD: low supply before the value") << radioReport({{6, 0xFD}}) << 6 << lowSupply
                                                           << SlotColour::Yellow << 0;
        QTest::newRow("module's bit 1 dropped") << radioReport({{3, 0x03}}) << 3 << taught << SlotColour::Teal << 0;
        QTest::newRow("teach byte 0x85") << radioReport({{5, 0x05}, {36, 0x85}}) << 5 << teaching << SlotColour::Blue
                                         << 0;
        QTest::newRow("teach byte 0xA3: slot 35") << radioReport({{36, 0xA3}}) << 35 << teaching << SlotColour::Blue
                                                  << 0;
        QTest::newRow("teach byte 0xA4 names no slot")
            << radioReport({{4, 0x00}, {36, 0xA4}}) << 4 << empty << SlotColour::ButtonFace << 0;
        // Bits 0-6 give 69: bit 6 belongs to the number, which names no slot.
        QTest::newRow("teach byte 0xC5 names no slot")
            << radioReport({{5, 0x00}, {36, 0xC5}}) << 5 << empty << SlotColour::ButtonFace << 0;
        QTest::newRow("teach byte 0x05: bit 7 clear")
            << radioReport({{5, 0x01}, {36, 0x05}}) << 5 << taught << SlotColour::Teal << 0;
        // Slot 2 at characters 9-10 (1-based), the signal at 79-80.
        QTest::newRow("non-hex pair is 0") << replaced(radioReport({{2, 0x01}, {37, 9}}), 8, "0G") << 2 << empty
                                           << SlotColour::ButtonFace << 9;
        QTest::newRow("lower-case pair is 0") << replaced(radioReport({{2, 0x19}}), 8, "1b") << 2 << empty
                                              << SlotColour::ButtonFace << 0;
        QTest::newRow("bad signal pair is 0") << replaced(radioReport({{2, 0x01}, {37, 9}}), 78, "0-") << 2 << taught
                                              << SlotColour::Teal << 0;
        QTest::newRow("after the 85th ignored") << radioReport({{0, 0x01}, {37, 7}}) + "ZZ<" << 0 << taught
                                                << SlotColour::Teal << 7;
        QTest::newRow("wrong terminator") << replaced(radioReport({{0, 0x01}}), 84, "<") << 0 << QString()
                                          << SlotColour::ButtonFace << 0;
        QTest::newRow("84 characters, the last one >") << "AT_<" + QByteArray(79, '0') + ">" << 0 << QString()
                                              << SlotColour::ButtonFace << 0;
    }

    void slotLook()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, slot);
        QFETCH(QString, text);
        QFETCH(SlotColour, colour);
        QFETCH(int, signal);
        const auto decoded = maint::DecodeRadioReport(line);
        QCOMPARE(decoded.has_value(), !text.isEmpty());
        if (!decoded)
            return;
        QCOMPARE(maint::radioSlotLook(decoded->states[std::size_t(slot)]), (maint::SlotLook{text, colour}));
        QCOMPARE(int(decoded->signalStrength), signal);
        // The teaching bit is on at most the one slot named by byte 36.
        int teachingSlots = 0;
        for (std::uint8_t state : decoded->states)
            teachingSlots += (state & 0x02) ? 1 : 0;
        QVERIFY(teachingSlots <= 1);
    }
};

QTEST_GUILESS_MAIN(TestRadioReport)
#include "tst_radioreport.moc"
