#include "params/editor/EventsPage.h"

#include "monitor/EventCatalogue.h"
#include "params/FieldConversions.h"
#include "params/SettingTexts.h"
#include "params/editor/AccessibleName.h"
#include "params/editor/CheckColumn.h"
#include "params/editor/DigitGrid.h"
#include "params/editor/NumberBox.h"
#include "params/editor/RowScrollArea.h"
#include "params/editor/TextBox.h"

#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

using params::Field;
using params::fieldRef;

namespace {

// Left edge and width of each column, shared by the titles and the rows.
struct Column
{
    int x;
    int width;
};
constexpr Column kNameColumn{4, 146};
constexpr Column kCodeColumn{152, 52};
constexpr int kRouteFirstX = 212;
constexpr int kRouteStep = 19;
constexpr int kRouteWidth = 16;
constexpr int kCentreGap = 10; // room for the wider title "Közp."
constexpr Column kSmsColumn{kRouteFirstX + params::kRouteFlags * kRouteStep + kCentreGap + 6, 176};
constexpr Column kVoiceColumn{kSmsColumn.x + kSmsColumn.width + 10, 52};
constexpr int kContentWidth = kVoiceColumn.x + kVoiceColumn.width + 6;
constexpr int kControlHeight = 22;
constexpr int kTitleHeight = 34;

using namespace params::texts;

int routeX(int list)
{
    return kRouteFirstX + list * kRouteStep + (list == params::kRouteCentre ? kCentreGap : 0);
}

void place(QWidget* widget, Column column, int y, int height)
{
    widget->setGeometry(column.x, y, column.width, height);
}

// The row part of the names of a row's controls, from the catalogue.
QString rowName(int event)
{
    return monitor::eventRowLabel(event);
}

QLabel* title(const QString& text, Column column, int line, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setGeometry(column.x, line * kTitleHeight / 2, column.width, kTitleHeight / 2);
    return label;
}

} // namespace

EventRow::EventRow(int event, QWidget* parent)
    : QWidget(parent)
    , m_event(event)
{
    const int y = (EventsPage::kRowHeight - kControlHeight) / 2;
    EventLabel = new QLabel(this);
    place(EventLabel, kNameColumn, y, kControlHeight);

    acgEvent = new DigitGrid(params::kContactIdDigits, params::DigitKind::Hex, this);
    acgEvent->move(kCodeColumn.x, y);
    acgEvent->setAccessibleName(cellAccessibleName(rowName(event), oneLine(kContactIdLines)));

    edSMS = new TextBox(params::kSmsLength, this);
    place(edSMS, kSmsColumn, y, kControlHeight);
    edSMS->setAccessibleName(cellAccessibleName(rowName(event), kSmsText));

    UdHanguz = new NumberBox(fieldRef(Field::EventVoiceNumber, event).range, this);
    place(UdHanguz, kVoiceColumn, y, kControlHeight);
    UdHanguz->setAccessibleName(cellAccessibleName(rowName(event), oneLine(kVoiceNumberLines)));
}

void EventRow::load(const params::ParameterImage& image)
{
    acgEvent->setCellArray(params::ReadContactId(image, fieldRef(Field::EventContactId, m_event)));
    edSMS->setText(params::ReadText(image, fieldRef(Field::EventSmsText, m_event)));
    UdHanguz->setValue(params::ReadByteField(image, fieldRef(Field::EventVoiceNumber, m_event)));
}

void EventRow::store(params::ParameterImage& image) const
{
    params::WriteContactId(image, fieldRef(Field::EventContactId, m_event),
                           acgEvent->cellArray<params::kContactIdDigits>());
    params::WriteText(image, fieldRef(Field::EventSmsText, m_event), edSMS->text());
    params::WriteByteField(image, fieldRef(Field::EventVoiceNumber, m_event), UdHanguz->value());
}

EventsPage::EventsPage(QWidget* parent)
    : EditorPage(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    ScrollBox1 = new RowScrollArea(kRowHeight, this);
    auto* content = new QWidget;
    content->setFixedSize(kContentWidth, params::kEventRows * kRowHeight);
    for (int e = 1; e <= params::kEventRows; ++e) {
        auto* row = new EventRow(e, content);
        row->setGeometry(0, (e - 1) * kRowHeight, kContentWidth, kRowHeight);
        rows[std::size_t(e - 1)] = row;
    }
    for (int k = 0; k < params::kRouteFlags; ++k) {
        auto* list = new CheckColumn(params::kEventRows, kRowHeight, content);
        list->setGeometry(routeX(k), 0, kRouteWidth, params::kEventRows * kRowHeight);
        const QString& column = kRoutes.at(k);
        for (int e = 1; e <= params::kEventRows; ++e)
            list->setItemAccessibleName(e - 1, cellAccessibleName(rowName(e), column));
        connect(list, &CheckColumn::focusRequested, this, &EventsPage::clbEvents1Enter);
        clbEvents[std::size_t(k)] = list;
    }
    ScrollBox1->setWidget(content);

    // Column titles over the box, offset by its frame so that they stand over their columns.
    const int boxWidth = kContentWidth + 2 * ScrollBox1->frameWidth()
        + ScrollBox1->verticalScrollBar()->sizeHint().width();
    auto* titles = new QWidget(this);
    titles->setFixedSize(boxWidth, kTitleHeight);
    auto* shifted = new QWidget(titles);
    shifted->setGeometry(ScrollBox1->frameWidth(), 0, boxWidth - ScrollBox1->frameWidth(), kTitleHeight);
    // Titles wider than their columns overhang to both sides.
    const Column codeTitle{kCodeColumn.x - 16, kCodeColumn.width + 32};
    const Column voiceTitle{kVoiceColumn.x - 20, kVoiceColumn.width + 40};
    title(kContactIdLines.at(0), codeTitle, 0, shifted)->setObjectName(QStringLiteral("Label40"));
    title(kContactIdLines.at(1), codeTitle, 1, shifted)->setObjectName(QStringLiteral("lbCode"));
    for (int k = 0; k < params::kRouteFlags; ++k) {
        // "Közp." is wider than its column: its title overhangs to both sides.
        const int extra = k == params::kRouteCentre ? 12 : 2;
        title(kRoutes.at(k), {routeX(k) - extra, kRouteWidth + 2 * extra}, 1, shifted);
    }
    title(kSmsText + QStringLiteral(" *"), kSmsColumn, 1, shifted)->setObjectName(QStringLiteral("lbSMStext"));
    title(kVoiceNumberLines.at(0), voiceTitle, 0, shifted)->setObjectName(QStringLiteral("lbVoice"));
    title(kVoiceNumberLines.at(1), voiceTitle, 1, shifted)->setObjectName(QStringLiteral("lbVoiceNr"));

    lbSMScomment = new QLabel(kSmsComment, this);
    lbSMScomment->setWordWrap(true);

    ScrollBox1->setFixedWidth(boxWidth);
    layout->addWidget(titles);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(lbSMScomment);
}

void EventsPage::load(const params::ParameterImage& image)
{
    for (int e = 1; e <= params::kEventRows; ++e) {
        rows[std::size_t(e - 1)]->load(image);
        const params::RouteFlags routes = params::ReadRouteFlags(image, fieldRef(Field::EventRoutes, e));
        for (int k = 0; k < params::kRouteFlags; ++k)
            clbEvents[std::size_t(k)]->setChecked(e - 1, routes[std::size_t(k)]);
    }
}

void EventsPage::store(params::ParameterImage& image) const
{
    for (int e = 1; e <= params::kEventRows; ++e) {
        rows[std::size_t(e - 1)]->store(image);
        params::RouteFlags routes{};
        for (int k = 0; k < params::kRouteFlags; ++k)
            routes[std::size_t(k)] = clbEvents[std::size_t(k)]->isChecked(e - 1);
        params::WriteRouteFlags(image, fieldRef(Field::EventRoutes, e), routes);
    }
}

void EventsPage::scrollToTop()
{
    ScrollBox1->scrollToTop();
}

void EventsPage::clbEvents1Enter()
{
    ScrollBox1->setFocus(Qt::OtherFocusReason);
}
