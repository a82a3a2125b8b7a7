#pragma once

#include "params/ImageLayout.h"
#include "params/editor/EditorPage.h"
#include "params/editor/TextBox.h"

#include <array>

class CheckColumn;
class DigitGrid;
class NumberBox;
class QLabel;
class RowScrollArea;

// One event report row: the event's name, its Contact-ID code, SMS text and
// voice message number. Its routes are items of the page's check columns.
class EventRow : public QWidget
{
    Q_OBJECT
public:
    EventRow(int event, QWidget* parent = nullptr);

    void load(const params::ParameterImage& image);
    void store(params::ParameterImage& image) const;

    QLabel* EventLabel = nullptr; // named by the start-up texts
    DigitGrid* acgEvent = nullptr;
    TextBox* edSMS = nullptr;
    NumberBox* UdHanguz = nullptr;

private:
    int m_event;
};

// The page "Események": 47 event report rows with Contact-ID code, routes, SMS text and voice message.
class EventsPage : public EditorPage
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 28;

    explicit EventsPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;
    void scrollToTop() override;

    // A route column was clicked: the scroll box takes the focus instead.
    void clbEvents1Enter();

    RowScrollArea* ScrollBox1 = nullptr;
    std::array<EventRow*, params::kEventRows> rows{}; // event e at e − 1
    std::array<CheckColumn*, params::kRouteFlags> clbEvents{}; // list k at k − 1
    QLabel* lbSMScomment = nullptr;
};
