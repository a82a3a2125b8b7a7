#include "EditorProbe.h"

#include "params/editor/CheckColumn.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTest>


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

enum class Kind { Text, Code, Number, Digits, EventMask, ButtonPair };

// Fields whose bytes a control cannot show just any value of: `records`
// records of `size` bytes from `first`, `stride` apart. Number spans are
// `size` one-byte numbers from min to max. Every byte not listed here may
// hold any value.
struct Span
{
    int first;
    int records;
    int stride;
    Kind kind;
    int size;
    int min = 0;
    int max = 255;
};

const Span kSpans[] = {
    {0, 12, 15, Kind::Text, 10},          // user names
    {10, 12, 15, Kind::Code, 3},          // user codes
    {180, 1, 0, Kind::Code, 3},           // installer code
    {183, 12, 20, Kind::Text, 10},        // zone names
    {193, 12, 20, Kind::Number, 2, 0, 3}, // wiring, partition
    {198, 12, 20, Kind::Number, 1, 0, 1}, // silent
    {199, 12, 20, Kind::Number, 1, 0, 25}, // smart zone time
    {200, 12, 20, Kind::Number, 1, 0, 1}, // follower
    {201, 12, 20, Kind::Number, 1, 0, 25}, // cover time
    {202, 12, 20, Kind::Number, 1, 0, 3}, // night setting
    {423, 47, 26, Kind::Number, 3, 0, 15}, // Contact-ID digits
    {426, 47, 26, Kind::Number, 1, 0, 1}, // routes: bits 9..15 unused
    {428, 47, 26, Kind::Text, 20},        // SMS texts
    {448, 47, 26, Kind::Number, 1, 0, 12}, // voice message
    {1671, 7, 16, Kind::Digits, 16},      // telephone numbers
    {1783, 1, 0, Kind::Number, 4, 0, 2},  // acknowledgement
    {1787, 1, 0, Kind::Number, 4, 0, 15}, // account
    {1791, 1, 0, Kind::Number, 1, 0, 3},  // arming mode
    {1792, 2, 3, Kind::Number, 1, 0, 2},  // siren mode
    {1794, 2, 3, Kind::Number, 1, 1, 25}, // siren time
    {1798, 3, 18, Kind::EventMask, 8},    // relay switch-on events
    {1806, 3, 18, Kind::EventMask, 8},    // relay switch-off events
    {1852, 1, 0, Kind::Number, 1, 5, 25}, // alarm time
    {1853, 1, 0, Kind::Number, 2, 0, 99}, // test report hour, minute
    {1856, 1, 0, Kind::Number, 12, 0, 1}, // bypass
    {1868, 1, 0, Kind::Number, 1, 0, 25}, // alarm count limit
    {1870, 1, 0, Kind::Number, 1, 1, 25}, // night walk
    {1871, 12, 2, Kind::ButtonPair, 2},   // remote-control buttons
};

// Printable ASCII and the Hungarian letters of the code page.
const QByteArray kTextBytes = [] {
    QByteArray bytes;
    for (char c = 0x20; c < 0x7F; ++c)
        bytes.append(c);
    return bytes + QByteArray("\xC1\xC9\xCD\xD3\xD6\xD5\xDA\xDC\xDB\xE1\xE9\xED\xF3\xF6\xF5\xFA\xFC\xFB");
}();

// Whether `size` bytes from `at` (one number, for Number) show as they are.
bool showsAsItIs(const ParameterImage& image, const Span& span, int at)
{
    switch (span.kind) {
    case Kind::Text:
        for (int i = 0; i < span.size; ++i)
            if (!kTextBytes.contains(char(image.at(at + i))))
                return false;
        return true;
    case Kind::Code: {
        // Digits (nibbles 6..15) first, then nothing but "no digit" (0).
        bool ended = false;
        for (int i = 0; i < 6; ++i) {
            const int nibble = i % 2 == 0 ? image.at(at + i / 2) >> 4 : image.at(at + i / 2) & 0x0F;
            if (nibble == 0)
                ended = true;
            else if (ended || nibble < 6)
                return false;
        }
        return true;
    }
    case Kind::Number:
        return image.at(at) >= span.min && image.at(at) <= span.max;
    case Kind::Digits:
        for (int i = 0; i < span.size; ++i)
            if (image.at(at + i) != 0 && (image.at(at + i) < '0' || image.at(at + i) > '9'))
                return false;
        return true;
    case Kind::EventMask:
        return image.at(at + 7) <= 0x0F;
    case Kind::ButtonPair:
        for (int i = 0; i < 2; ++i)
            if (image.at(at + i) >> 4 > 8 || (image.at(at + i) & 0x0F) > 8)
                return false;
        return true;
    }
    return false;
}

// Calls `visit(at, size)` for each field of the span: each byte of a Number
// span, each record of the others.
template <typename Visit>
void forEachField(const Span& span, Visit visit)
{
    for (int r = 0; r < span.records; ++r) {
        const int record = span.first + r * span.stride;
        if (span.kind == Kind::Number)
            for (int i = 0; i < span.size; ++i)
                visit(record + i, 1);
        else
            visit(record, span.size);
    }
}

void fillInRange(ParameterImage& image, const Span& span, int at, QRandomGenerator& random)
{
    auto pick = [&](int min, int max) { return std::uint8_t(min + int(random.bounded(max - min + 1))); };
    switch (span.kind) {
    case Kind::Text:
        for (int i = 0; i < span.size; ++i)
            image.set(at + i, std::uint8_t(kTextBytes.at(int(random.bounded(int(kTextBytes.size()))))));
        break;
    case Kind::Code: {
        const int digits = pick(0, 6);
        for (int byte = 0; byte < 3; ++byte) {
            const int high = byte * 2 < digits ? pick(6, 15) : 0;
            const int low = byte * 2 + 1 < digits ? pick(6, 15) : 0;
            image.set(at + byte, std::uint8_t(high * 16 + low));
        }
        break;
    }
    case Kind::Number:
        image.set(at, pick(span.min, span.max));
        break;
    case Kind::Digits:
        for (int i = 0; i < span.size; ++i) {
            const int digit = pick(0, 10);
            image.set(at + i, digit == 10 ? 0 : std::uint8_t('0' + digit));
        }
        break;
    case Kind::EventMask:
        image.set(at + 7, pick(0, 15));
        break;
    case Kind::ButtonPair:
        for (int i = 0; i < 2; ++i)
            image.set(at + i, std::uint8_t(pick(0, 8) * 16 + pick(0, 8)));
        break;
    }
}

} // namespace

ParameterImage inRangeNoise(unsigned seed)
{
    QRandomGenerator random(seed);
    ParameterImage image;
    for (auto& byte : image.bytes())
        byte = std::uint8_t(random.bounded(256));
    for (const Span& span : kSpans)
        forEachField(span, [&](int at, int) { fillInRange(image, span, at, random); });
    return image;
}

QList<int> outOfRangeOffsets(const ParameterImage& image)
{
    QList<int> offsets;
    for (const Span& span : kSpans)
        forEachField(span, [&](int at, int size) {
            if (!showsAsItIs(image, span, at))
                for (int i = 0; i < size; ++i)
                    offsets << at + i;
        });
    return offsets;
}
