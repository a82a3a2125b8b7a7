#include "params/editor/RadioPage.h"

#include "params/FieldConversions.h"
#include "params/SettingTexts.h"
#include "params/editor/AccessibleName.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using params::Field;
using params::fieldRef;

namespace {

using params::texts::kButtonFunctions;

using params::texts::kButtonColours;
static_assert(kButtonColours.size() == params::kRemoteButtons);

constexpr int kCaptionLines = 3;

// The list's function: the item its text names, in any letter case; a text
// that names none is no selection.
int selectedFunction(const QComboBox* list)
{
    return list->findText(list->currentText(), Qt::MatchFixedString);
}

} // namespace

RemoteRow::RemoteRow(int user, QGridLayout* grid, int gridRow, QWidget* parent)
    : QObject(parent)
    , m_user(user)
{
    lbRFUser = new QLabel(params::texts::userRowCaption(user), parent);
    lbRFUser->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(lbRFUser, gridRow, 0);
    for (int b = 0; b < params::kRemoteButtons; ++b) {
        auto* list = new QComboBox(parent);
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->addItems(kButtonFunctions);
        list->setMaxVisibleItems(int(kButtonFunctions.size()));
        list->setObjectName(QStringLiteral("cbRFButt%1%2").arg(QChar(u'A' + b)).arg(user, 2, 10, QLatin1Char('0')));
        list->setAccessibleName(cellAccessibleName(lbRFUser->text(), params::texts::buttonCaption(b + 1)));
        list->lineEdit()->setAccessibleName(list->accessibleName());
        grid->addWidget(list, gridRow, b + 1);
        cbRFButt[std::size_t(b)] = list;
    }
}

void RemoteRow::load(const params::ParameterImage& image)
{
    const params::RemoteButtons buttons = params::ReadRemoteButtons(image, fieldRef(Field::RemoteButtons, m_user));
    for (int b = 0; b < params::kRemoteButtons; ++b) {
        QComboBox* list = cbRFButt[std::size_t(b)];
        list->setCurrentIndex(buttons[std::size_t(b)]);
        // No selection shows an empty text, also where something was typed before.
        if (list->currentIndex() < 0)
            list->setEditText(QString());
    }
}

void RemoteRow::store(params::ParameterImage& image) const
{
    params::RemoteButtons buttons{};
    for (int b = 0; b < params::kRemoteButtons; ++b)
        buttons[std::size_t(b)] = selectedFunction(cbRFButt[std::size_t(b)]);
    params::WriteRemoteButtons(image, fieldRef(Field::RemoteButtons, m_user), buttons);
}

RadioPage::RadioPage(QWidget* parent)
    : EditorPage(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(10);
    lbPushbuttonSetup = new QLabel(params::texts::kRemoteButtonsTitle, this);
    QFont bold = lbPushbuttonSetup->font();
    bold.setBold(true);
    lbPushbuttonSetup->setFont(bold);
    layout->addWidget(lbPushbuttonSetup);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);
    for (int b = 0; b < params::kRemoteButtons; ++b) {
        const QStringList captions = QStringList{params::texts::buttonCaption(b + 1)} + kButtonColours[std::size_t(b)];
        for (int line = 0; line < captions.size(); ++line) {
            auto* label = new QLabel(captions.at(line), this);
            label->setAlignment(Qt::AlignHCenter);
            if (line == 0)
                label->setFont(bold);
            grid->addWidget(label, line, b + 1);
        }
    }
    for (int n = 1; n <= params::kUsers; ++n)
        rows[std::size_t(n - 1)] = new RemoteRow(n, grid, kCaptionLines + n - 1, this);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void RadioPage::load(const params::ParameterImage& image)
{
    for (RemoteRow* row : rows)
        row->load(image);
}

void RadioPage::store(params::ParameterImage& image) const
{
    for (const RemoteRow* row : rows)
        row->store(image);
}
