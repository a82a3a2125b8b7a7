#include "EditorProbe.h"

#include "params/editor/CheckColumn.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTest>

#include <functional>

using params::ParameterImage;

EditorControl findControl(QWidget& root, const QString& name)
{
    EditorControl found;
    int matches = 0;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (auto* column = qobject_cast<CheckColumn*>(widget)) {
            for (int row = 0; row < column->count(); ++row)
                if (column->item(row)->data(Qt::AccessibleTextRole).toString() == name) {
                    found = {column, row};
                    ++matches;
                }
        } else if (widget->accessibleName() == name) {
            found = {widget, -1};
            ++matches;
        }
    }
    return matches == 1 ? found : EditorControl{};
}

QString shownValue(const EditorControl& control)
{
    if (auto* column = qobject_cast<CheckColumn*>(control.widget))
        return column->isChecked(control.item) ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* spin = qobject_cast<QSpinBox*>(control.widget))
        return spin->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control.widget))
        return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(control.widget))
        return list->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(control.widget))
        return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    return QStringLiteral("?");
}

namespace {

// Letters beyond ASCII have no key code of their own; they arrive as text.
void typeText(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void typeInto(QWidget* box, const QString& input)
{
    box->setFocus(Qt::MouseFocusReason);
    if (input == QLatin1String("<down>") || input == QLatin1String("<up>")) {
        QTest::keyClick(box, input == QLatin1String("<down>") ? Qt::Key_Down : Qt::Key_Up);
    } else if (input != QLatin1String("<keep>")) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        typeText(box, input);
    }
    QTest::keyClick(box, Qt::Key_Tab);
}

} // namespace

void enterValue(const EditorControl& control, const QString& input)
{
    QWidget* widget = control.widget;
    if (auto* column = qobject_cast<CheckColumn*>(widget)) {
        if (shownValue(control) != input) {
            const QRect item = column->visualItemRect(column->item(control.item));
            QTest::mouseClick(column->viewport(), Qt::LeftButton, {}, item.center());
        }
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        const int index = list->findText(input);
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (shownValue(control) != input)
            QTest::mouseClick(button, Qt::LeftButton);
    } else {
        typeInto(widget, input);
    }
}

QByteArray imageBytes(const ParameterImage& image, int offset, int size)
{
    QByteArray bytes;
    for (const std::uint8_t byte : image.range(offset, size))
        bytes.append(char(byte));
    return bytes;
}

void putImageBytes(ParameterImage& image, int offset, const QByteArray& bytes)
{
    for (int i = 0; i < bytes.size(); ++i)
        image.set(offset + i, std::uint8_t(bytes[i]));
}

namespace {

class InRangeFiller
{
public:
    explicit InRangeFiller(unsigned seed)
        : m_random(seed)
    {
        for (auto& byte : m_image.bytes())
            byte = std::uint8_t(m_random.bounded(256));
    }

    ParameterImage image() const { return m_image; }

    // `count` records of `stride` bytes from `first`, each filled by `fill`.
    void records(int first, int count, int stride, const std::function<void(int)>& fill)
    {
        for (int r = 0; r < count; ++r)
            fill(first + r * stride);
    }

    void number(int at, int min, int max) { m_image.set(at, std::uint8_t(min + int(m_random.bounded(max - min + 1)))); }
    void numbers(int at, int count, int min, int max)
    {
        for (int i = 0; i < count; ++i)
            number(at + i, min, max);
    }

    // Printable ASCII and a few Hungarian letters of the code page.
    void text(int at, int size)
    {
        static const QByteArray kExtra("\xE1\xE9\xF3\xF6\xF5\xFA\xFC\xFB\xC9\xD6\xDB");
        for (int i = 0; i < size; ++i) {
            const int pick = int(m_random.bounded(0x7F - 0x20 + int(kExtra.size())));
            m_image.set(at + i, pick < 0x5F ? std::uint8_t(0x20 + pick) : std::uint8_t(kExtra[pick - 0x5F]));
        }
    }

    // Up to six digits (nibble 15 − d), then zero nibbles.
    void code(int at)
    {
        const int digits = int(m_random.bounded(7));
        for (int byte = 0; byte < 3; ++byte) {
            int value = 0;
            for (int half = 0; half < 2; ++half) {
                const int position = byte * 2 + half;
                const int nibble = position < digits ? 15 - int(m_random.bounded(10)) : 0;
                value = value * 16 + nibble;
            }
            m_image.set(at + byte, std::uint8_t(value));
        }
    }

    // ASCII digits or 0x00.
    void digits(int at, int size)
    {
        for (int i = 0; i < size; ++i) {
            const int pick = int(m_random.bounded(11));
            m_image.set(at + i, pick == 10 ? 0x00 : std::uint8_t('0' + pick));
        }
    }

    // 60 rows: bits 4..7 of the eighth byte are unused.
    void eventMask(int at)
    {
        numbers(at, 7, 0, 255);
        number(at + 7, 0, 15);
    }

    void buttonPair(int at)
    {
        for (int i = 0; i < 2; ++i)
            m_image.set(at + i, std::uint8_t(m_random.bounded(9) * 16 + m_random.bounded(9)));
    }

private:
    QRandomGenerator m_random;
    ParameterImage m_image;
};

} // namespace

ParameterImage inRangeNoise(unsigned seed)
{
    InRangeFiller f(seed);
    // Users 1..12: name, code; the rights word takes any value.
    f.records(0, 12, 15, [&](int at) {
        f.text(at, 10);
        f.code(at + 10);
    });
    f.code(180);
    // Zones 1..12.
    f.records(183, 12, 20, [&](int at) {
        f.text(at, 10);
        f.numbers(at + 10, 2, 0, 3); // wiring, partition
        f.number(at + 15, 0, 1);     // silent
        f.number(at + 16, 0, 25);    // smart zone time
        f.number(at + 17, 0, 1);     // follower
        f.number(at + 18, 0, 25);    // cover time
        f.number(at + 19, 0, 3);     // night setting
    });
    // Event rows 1..47: Contact-ID digits, routes (bits 0..8), SMS, voice.
    f.records(423, 47, 26, [&](int at) {
        f.numbers(at, 3, 0, 15);
        f.number(at + 3, 0, 1);
        f.text(at + 5, 20);
        f.number(at + 25, 0, 12);
    });
    f.records(1671, 7, 16, [&](int at) { f.digits(at, 16); });
    f.numbers(1783, 4, 0, 2); // acknowledgement
    f.numbers(1787, 4, 0, 15); // account
    f.number(1791, 0, 3);     // arming mode
    f.records(1792, 2, 3, [&](int at) {
        f.number(at, 0, 2);      // siren mode
        f.number(at + 2, 1, 25); // siren time
    });
    f.records(1798, 3, 18, [&](int at) {
        f.eventMask(at);
        f.eventMask(at + 8);
    });
    f.number(1852, 5, 25);    // alarm time
    f.numbers(1853, 2, 0, 99); // test report hour and minute
    f.numbers(1856, 12, 0, 1); // bypass
    f.number(1868, 0, 25);    // alarm count limit
    f.number(1870, 1, 25);    // night walk
    f.records(1871, 12, 2, [&](int at) { f.buttonPair(at); });
    return f.image();
}
