#include "params/editor/RelaysPage.h"

#include "params/FieldConversions.h"
#include "params/SettingTexts.h"
#include "params/editor/AccessibleName.h"
#include "params/editor/CheckColumn.h"
#include "params/editor/NumberBox.h"
#include "params/editor/RotatedLabel.h"
#include "params/editor/RowScrollArea.h"

#include "monitor/EventCatalogue.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

using params::Field;
using params::fieldRef;

namespace {

constexpr int kLabelX = 4;
constexpr int kLabelWidth = 184;
constexpr int kListFirstX = 200;
constexpr int kListStep = 24;
constexpr int kListWidth = 16;
constexpr int kContentWidth = kListFirstX + RelaysPage::kMaskLists * kListStep;

using params::texts::kPhoneRemoteControlRow;

int listX(int list)
{
    return kListFirstX + list * kListStep;
}

// Lists in pairs per relay: switch-on events, then switch-off events.
int relayOf(int list)
{
    return list / 2 + 1;
}

bool switchesOn(int list)
{
    return list % 2 == 0;
}

params::FieldRef maskField(int list)
{
    return fieldRef(switchesOn(list) ? Field::RelayOnEvents : Field::RelayOffEvents, relayOf(list));
}

QString listTitle(int list)
{
    return switchesOn(list) ? params::texts::relayOnEventsCaption(relayOf(list))
                            : params::texts::relayOffEventsCaption(relayOf(list));
}

// "rlbR1ON", "rlbR1OFF", .. "rlbR3OFF".
QString listTitleName(int list)
{
    return QStringLiteral("rlbR%1%2").arg(relayOf(list)).arg(switchesOn(list) ? u"ON" : u"OFF");
}

QString rowName(int row)
{
    return row == 0 ? kPhoneRemoteControlRow : monitor::eventRowLabel(row);
}

} // namespace

RelayTimes::RelayTimes(int relay, QWidget* parent)
    : QWidget(parent)
    , m_relay(relay)
{
    lbrREL = new QLabel(params::texts::relayCaption(relay) + QStringLiteral(" :"), this);
    QFont bold = lbrREL->font();
    bold.setBold(true);
    lbrREL->setFont(bold);
    lbRStartDelay = new QLabel(params::texts::kStartDelayCaption + QStringLiteral(" :"), this);
    UdRELdelay = new NumberBox(fieldRef(Field::RelayDelay, relay).range, this);
    lbRMaxTime = new QLabel(params::texts::kRelayMaxDurationCaption + QStringLiteral(" :"), this);
    UdRELtime = new NumberBox(fieldRef(Field::RelayTime, relay).range, this);
    UdRELdelay->setAccessibleName(cellAccessibleName(captionName(lbrREL->text()), captionName(lbRStartDelay->text())));
    UdRELtime->setAccessibleName(cellAccessibleName(captionName(lbrREL->text()), captionName(lbRMaxTime->text())));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(lbrREL, 0, 0, 1, 2);
    grid->addWidget(lbRStartDelay, 1, 0);
    grid->addWidget(UdRELdelay, 1, 1);
    grid->addWidget(lbRMaxTime, 2, 0);
    grid->addWidget(UdRELtime, 2, 1);
}

void RelayTimes::load(const params::ParameterImage& image)
{
    UdRELdelay->setValue(params::ReadByteField(image, fieldRef(Field::RelayDelay, m_relay)));
    UdRELtime->setValue(params::ReadByteField(image, fieldRef(Field::RelayTime, m_relay)));
}

void RelayTimes::store(params::ParameterImage& image) const
{
    params::WriteByteField(image, fieldRef(Field::RelayDelay, m_relay), UdRELdelay->value());
    params::WriteByteField(image, fieldRef(Field::RelayTime, m_relay), UdRELtime->value());
}

RelaysPage::RelaysPage(QWidget* parent)
    : EditorPage(parent)
{
    ScrollBox2 = new RowScrollArea(kRowHeight, this);
    auto* content = new QWidget;
    content->setFixedSize(kContentWidth, params::kMaskRows * kRowHeight);
    for (int row = 0; row < params::kMaskRows; ++row) {
        // Rows 1..59 are named at start-up from the event catalogue.
        auto* label = new QLabel(row == 0 ? kPhoneRemoteControlRow : QString(), content);
        label->setGeometry(kLabelX, row * kRowHeight, kLabelWidth, kRowHeight);
        lbREventLabel[std::size_t(row)] = label;
    }

    auto* titles = new QWidget(this);
    for (int list = 0; list < kMaskLists; ++list) {
        const QString title = listTitle(list);
        auto* column = new CheckColumn(params::kMaskRows, kRowHeight, content);
        column->setGeometry(listX(list), 0, kListWidth, params::kMaskRows * kRowHeight);
        for (int row = 0; row < params::kMaskRows; ++row)
            column->setItemAccessibleName(row, cellAccessibleName(title, rowName(row)));
        connect(column, &CheckColumn::focusRequested, this, &RelaysPage::cblR1Enter);
        column->setObjectName(QStringLiteral("cblR%1").arg(list + 1));
        cblR[std::size_t(list)] = column;

        auto* rotated = new RotatedLabel(title, titles);
        rotated->setObjectName(listTitleName(list));
        rlbR[std::size_t(list)] = rotated;
    }
    ScrollBox2->setWidget(content);

    // Titles stand over their lists: the same left edges, shifted by the box's frame.
    const int frame = ScrollBox2->frameWidth();
    int titleHeight = 0;
    for (int list = 0; list < kMaskLists; ++list)
        titleHeight = std::max(titleHeight, rlbR[std::size_t(list)]->sizeHint().height());
    for (int list = 0; list < kMaskLists; ++list) {
        RotatedLabel* rotated = rlbR[std::size_t(list)];
        const int width = rotated->sizeHint().width();
        rotated->setGeometry(frame + listX(list) + (kListWidth - width) / 2, 0, width, titleHeight);
    }
    const int boxWidth = kContentWidth + 2 * frame + ScrollBox2->verticalScrollBar()->sizeHint().width();
    titles->setFixedSize(boxWidth, titleHeight);
    ScrollBox2->setFixedWidth(boxWidth);

    auto* masks = new QVBoxLayout;
    masks->setSpacing(2);
    masks->addWidget(titles);
    masks->addWidget(ScrollBox2, 1);

    auto* times = new QVBoxLayout;
    times->setSpacing(16);
    times->addSpacing(titleHeight);
    for (int relay = 1; relay <= params::kRelays; ++relay) {
        relays[std::size_t(relay - 1)] = new RelayTimes(relay, this);
        times->addWidget(relays[std::size_t(relay - 1)]);
    }
    times->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(24);
    layout->addLayout(masks);
    layout->addLayout(times);
    layout->addStretch(1);
}

void RelaysPage::load(const params::ParameterImage& image)
{
    for (int list = 0; list < kMaskLists; ++list) {
        const params::EventMask mask = params::ReadEventMask(image, maskField(list));
        for (int row = 0; row < params::kMaskRows; ++row)
            cblR[std::size_t(list)]->setChecked(row, mask[std::size_t(row)]);
    }
    for (RelayTimes* relay : relays)
        relay->load(image);
}

void RelaysPage::store(params::ParameterImage& image) const
{
    for (int list = 0; list < kMaskLists; ++list) {
        params::EventMask mask{};
        for (int row = 0; row < params::kMaskRows; ++row)
            mask[std::size_t(row)] = cblR[std::size_t(list)]->isChecked(row);
        params::WriteEventMask(image, maskField(list), mask);
    }
    for (const RelayTimes* relay : relays)
        relay->store(image);
}

void RelaysPage::scrollToTop()
{
    ScrollBox2->scrollToTop();
}

void RelaysPage::cblR1Enter()
{
    ScrollBox2->setFocus(Qt::OtherFocusReason);
}
