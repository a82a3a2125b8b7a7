#pragma once

#include "params/ImageLayout.h"
#include "params/editor/EditorPage.h"

#include <array>

class CheckColumn;
class NumberBox;
class QLabel;
class RotatedLabel;
class RowScrollArea;

// The start delay and maximum duration of one relay, with their captions.
class RelayTimes : public QWidget
{
    Q_OBJECT
public:
    RelayTimes(int relay, QWidget* parent = nullptr);

    void load(const params::ParameterImage& image);
    void store(params::ParameterImage& image) const;

    QLabel* lbrREL = nullptr;
    QLabel* lbRStartDelay = nullptr;
    NumberBox* UdRELdelay = nullptr;
    QLabel* lbRMaxTime = nullptr;
    NumberBox* UdRELtime = nullptr;

private:
    int m_relay;
};

// The page "Relé kimenetek": the relays' event masks (60 rows), delays and maximum times.
class RelaysPage : public EditorPage
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 28;
    static constexpr int kMaskLists = 2 * params::kRelays;

    explicit RelaysPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;
    void scrollToTop() override;

    // A mask list was clicked: the scroll box takes the focus instead.
    void cblR1Enter();

    RowScrollArea* ScrollBox2 = nullptr;
    std::array<QLabel*, params::kMaskRows> lbREventLabel{};   // row k at k
    std::array<CheckColumn*, kMaskLists> cblR{};               // cblR1 at 0
    std::array<RotatedLabel*, kMaskLists> rlbR{};              // rlbR1ON, rlbR1OFF, rlbR2ON, ...
    std::array<RelayTimes*, params::kRelays> relays{};         // relay n at n − 1
};
