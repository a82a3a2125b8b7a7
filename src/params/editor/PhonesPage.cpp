#include "params/editor/PhonesPage.h"

#include "params/FieldConversions.h"
#include "params/SettingTexts.h"
#include "params/editor/AccessibleName.h"
#include "params/editor/ArmingModeBox.h"
#include "params/editor/DigitGrid.h"
#include "params/editor/NumberBox.h"
#include "params/editor/TextBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QVBoxLayout>

using params::Field;
using params::fieldRef;

namespace {

using namespace params::texts;

// Hour digits, a colon, minute digits; the first hour digit may stay blank.
const QString kTestTimeMask = QStringLiteral("09:99;") + QChar(PhonesPage::kMaskBlank);

QLabel* caption(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

// A list narrower than its longest item, which shows whole when dropped down.
QComboBox* narrowList(const QStringList& items, int shownCharacters, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->addItems(items);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(shownCharacters);
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 8);
    return list;
}

// A list as wide as its longest item, so that the closed box shows any
// choice whole.
QComboBox* wholeList(const QStringList& items, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->addItems(items);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

// A caption with its number box on one line of a settings grid.
NumberBox* numberLine(QGridLayout* grid, const QStringList& captions, params::Range range, QWidget* parent)
{
    const int row = grid->rowCount();
    auto* box = new NumberBox(range, parent);
    QStringList name;
    for (const QString& line : captions)
        name << captionName(line);
    box->setAccessibleName(name.join(QLatin1Char(' ')));
    for (int line = 0; line < captions.size(); ++line) {
        QLabel* text = caption(captions.at(line), parent);
        text->setWordWrap(true);
        grid->addWidget(text, row + line, 0);
    }
    grid->addWidget(box, row, 1);
    return box;
}

} // namespace

SirenOutput::SirenOutput(int output, QWidget* parent)
    : QWidget(parent)
    , m_output(output)
{
    lbtOUT = caption(sirenOutputCaption(output) + QStringLiteral(" :"), this);
    const QString name = captionName(lbtOUT->text());
    cbOUTmode = narrowList(kSirenModes, 30, this);
    cbOUTmode->setAccessibleName(name);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(lbtOUT, 0, 0);
    grid->addWidget(cbOUTmode, 1, 0, 1, 2);
    UdOUTdelay = numberLine(grid, {kStartDelayCaption + QStringLiteral(" :")},
                            fieldRef(Field::SirenDelay, output).range, this);
    UdOUTtime = numberLine(grid, {kSirenMaxDurationCaption + QStringLiteral(" :")},
                           fieldRef(Field::SirenTime, output).range, this);
    UdOUTdelay->setAccessibleName(cellAccessibleName(name, UdOUTdelay->accessibleName()));
    UdOUTtime->setAccessibleName(cellAccessibleName(name, UdOUTtime->accessibleName()));
    grid->setColumnStretch(0, 1);
}

void SirenOutput::load(const params::ParameterImage& image)
{
    cbOUTmode->setCurrentIndex(params::ReadByteField(image, fieldRef(Field::SirenMode, m_output)));
    UdOUTdelay->setValue(params::ReadByteField(image, fieldRef(Field::SirenDelay, m_output)));
    UdOUTtime->setValue(params::ReadByteField(image, fieldRef(Field::SirenTime, m_output)));
}

void SirenOutput::store(params::ParameterImage& image) const
{
    params::WriteByteField(image, fieldRef(Field::SirenMode, m_output), cbOUTmode->currentIndex());
    params::WriteByteField(image, fieldRef(Field::SirenDelay, m_output), UdOUTdelay->value());
    params::WriteByteField(image, fieldRef(Field::SirenTime, m_output), UdOUTtime->value());
}

PhonesPage::PhonesPage(QWidget* parent)
    : EditorPage(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(16);
    layout->addWidget(buildNumbers(), 0, Qt::AlignTop);
    layout->addWidget(buildOtherSettings(), 1, Qt::AlignTop);
}

QWidget* PhonesPage::buildNumbers()
{
    auto* half = new QWidget(this);
    auto* grid = new QGridLayout(half);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(8);

    // Each number takes two lines of the table: its caption, then its grid.
    auto addGrid = [&](const QString& text, int columns, params::DigitKind kind) {
        const int row = grid->rowCount();
        auto* digits = new DigitGrid(columns, kind, half);
        digits->setAccessibleName(text);
        grid->addWidget(caption(text, half), row, 0, Qt::AlignBottom);
        grid->addWidget(digits, row + 1, 0, Qt::AlignLeft);
        grid->setRowMinimumHeight(row, 20);
        return digits;
    };
    const int firstRow = grid->rowCount();
    for (int n = 1; n <= params::kPhones; ++n) {
        const QString name = phoneCaption(n);
        acgTel[std::size_t(n - 1)] = addGrid(name, params::kPhoneDigits, params::DigitKind::Decimal);
        auto* ack = wholeList(kAckModes, half);
        ack->setAccessibleName(cellAccessibleName(name, kAckMode));
        grid->addWidget(ack, grid->rowCount() - 1, 1);
        cbACK[std::size_t(n - 1)] = ack;
    }
    // The acknowledgement lists' title stands beside the first number's caption.
    grid->addWidget(caption(kAckMode, half), firstRow, 1, Qt::AlignBottom);
    for (int n = 1; n <= params::kCentrePhones; ++n)
        acgTelCentr[std::size_t(n - 1)] =
            addGrid(centrePhoneCaption(n), params::kPhoneDigits, params::DigitKind::Decimal);
    acgUserAccount = addGrid(kCustomerAccount, params::kAccountDigits, params::DigitKind::Hex);
    acgSMSFW = addGrid(kSmsForwardPhone, params::kPhoneDigits, params::DigitKind::Decimal);
    return half;
}

QWidget* PhonesPage::buildOtherSettings()
{
    auto* half = new QWidget(this);
    auto* column = new QVBoxLayout(half);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    auto* lbTSirenOuts = caption(kSirenOutputsTitle, half);
    QFont bold = lbTSirenOuts->font();
    bold.setBold(true);
    lbTSirenOuts->setFont(bold);
    column->addWidget(lbTSirenOuts);
    for (int n = 1; n <= params::kSirenOutputs; ++n) {
        sirens[std::size_t(n - 1)] = new SirenOutput(n, half);
        column->addWidget(sirens[std::size_t(n - 1)]);
    }

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 1);
    const int timeRow = grid->rowCount();
    const QString timeCaption = kTestTimeCaption + QStringLiteral(" :");
    // The mask sets the length; the box's paste keeps to it.
    meTesztIdopont = new TextBox(0, half);
    meTesztIdopont->setInputMask(kTestTimeMask);
    meTesztIdopont->setAccessibleName(captionName(timeCaption));
    meTesztIdopont->setFixedWidth(meTesztIdopont->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 16);
    grid->addWidget(caption(timeCaption, half), timeRow, 0);
    grid->addWidget(meTesztIdopont, timeRow, 1);
    udTesztGyak = numberLine(grid, {kTestPeriodCaption + QStringLiteral(" :")},
                             fieldRef(Field::TestPeriod).range, half);
    column->addLayout(grid);

    armingMode = new ArmingModeBox(half);
    column->addWidget(armingMode);

    auto* limits = new QGridLayout;
    limits->setVerticalSpacing(2);
    limits->setColumnStretch(0, 1);
    UdAlarmMax = numberLine(limits, {kAlarmMaxCaption + QStringLiteral(" :")},
                            fieldRef(Field::AlarmMax).range, half);
    UdZoneAlarmMax = numberLine(limits,
                                {kZoneAlarmLimitLines.at(0) + QStringLiteral(" :"), kZoneAlarmLimitLines.at(1)},
                                fieldRef(Field::ZoneAlarmLimit).range, half);
    UdAutoArm = numberLine(limits,
                           {kAutoArmLines.at(0) + QStringLiteral(" :"), kAutoArmLines.at(1)},
                           fieldRef(Field::AutoArm).range, half);
    column->addLayout(limits);
    column->addStretch(1);
    return half;
}

void PhonesPage::load(const params::ParameterImage& image)
{
    for (int n = 1; n <= params::kPhones; ++n) {
        acgTel[std::size_t(n - 1)]->setCellArray(params::ReadDigits(image, fieldRef(Field::Phone, n)));
        cbACK[std::size_t(n - 1)]->setCurrentIndex(params::ReadByteField(image, fieldRef(Field::AckMode, n)));
    }
    for (int n = 1; n <= params::kCentrePhones; ++n)
        acgTelCentr[std::size_t(n - 1)]->setCellArray(params::ReadDigits(image, fieldRef(Field::CentrePhone, n)));
    acgSMSFW->setCellArray(params::ReadDigits(image, fieldRef(Field::SmsForwardPhone)));
    acgUserAccount->setCellArray(params::ReadAccount(image, fieldRef(Field::CustomerAccount)));

    for (SirenOutput* siren : sirens)
        siren->load(image);
    meTesztIdopont->setText(params::ReadTestTime(image));
    udTesztGyak->setValue(params::ReadByteField(image, fieldRef(Field::TestPeriod)));
    armingMode->load(image);
    UdAlarmMax->setValue(params::ReadByteField(image, fieldRef(Field::AlarmMax)));
    UdZoneAlarmMax->setValue(params::ReadByteField(image, fieldRef(Field::ZoneAlarmLimit)));
    UdAutoArm->setValue(params::ReadByteField(image, fieldRef(Field::AutoArm)));
}

void PhonesPage::store(params::ParameterImage& image) const
{
    for (int n = 1; n <= params::kPhones; ++n) {
        params::WriteDigits(image, fieldRef(Field::Phone, n), acgTel[std::size_t(n - 1)]->cellArray<params::kPhoneDigits>());
        params::WriteByteField(image, fieldRef(Field::AckMode, n), cbACK[std::size_t(n - 1)]->currentIndex());
    }
    for (int n = 1; n <= params::kCentrePhones; ++n)
        params::WriteDigits(image, fieldRef(Field::CentrePhone, n),
                            acgTelCentr[std::size_t(n - 1)]->cellArray<params::kPhoneDigits>());
    params::WriteDigits(image, fieldRef(Field::SmsForwardPhone), acgSMSFW->cellArray<params::kPhoneDigits>());
    params::WriteAccount(image, fieldRef(Field::CustomerAccount), acgUserAccount->cellArray<params::kAccountDigits>());

    for (const SirenOutput* siren : sirens)
        siren->store(image);
    // What the entry shows, blank positions included: its plain text would
    // drop them and shift the digits after a blank.
    QString shown = meTesztIdopont->displayText();
    shown.replace(QChar(kMaskBlank), QLatin1Char(' '));
    params::WriteTestTime(image, shown);
    params::WriteByteField(image, fieldRef(Field::TestPeriod), udTesztGyak->value());
    armingMode->store(image);
    params::WriteByteField(image, fieldRef(Field::AlarmMax), UdAlarmMax->value());
    params::WriteByteField(image, fieldRef(Field::ZoneAlarmLimit), UdZoneAlarmMax->value());
    params::WriteByteField(image, fieldRef(Field::AutoArm), UdAutoArm->value());
}
