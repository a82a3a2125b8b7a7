#include "params/editor/UsersPage.h"

#include "ui/Prompter.h"
#include "params/CodeEntry.h"
#include "params/FieldConversions.h"
#include "params/SettingTexts.h"
#include "params/editor/AccessibleName.h"
#include "params/editor/CheckColumn.h"
#include "params/editor/CodeBox.h"
#include "params/editor/ColumnTitles.h"
#include "params/editor/RotatedLabel.h"
#include "params/editor/TableMetrics.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using params::Field;
using params::fieldRef;

namespace {

constexpr int kTitleRow = 0;
constexpr int kRotatedTitleRow = 1;
constexpr int kFirstUserRow = 2;
constexpr int kMasterCodeWidth = 64;

// The names of the rights' rotated titles; column k is right k.
constexpr std::array<const char*, params::kRightsFlags> kRightTitleNames{
    "rlbUPart1", "rlbUPart2", "rlbUArm", "rlbUDisarm",
    "rlbUChangeCode", "rlbUEditUser", "rlbUErrorList", "rlbUTimeSet",
    "rlbUEventList", "rlbUZoneMem", "rlbUZoneBypass", "rlbUSmokeClear",
    "rlbUTelArm", "rlbUTelDisarm", "rlbUTelRel", "rlbUTelVoice",
};

} // namespace

UsersPage::UsersPage(QWidget* parent)
    : EditorPage(parent)
{
    const auto [page, grid] = makeTablePageLayout(this);

    auto* lbUserRights = new QLabel(params::texts::kRightsTitle, this);
    lbUserRights->setObjectName(QStringLiteral("lbUserRights"));
    grid->addWidget(lbUserRights, kTitleRow, UserRow::RightsColumn, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(stackedTitles({{"lbUUsername", params::texts::kUserName},
                                   {"lbUmax10char", QStringLiteral("(max 10.karakter)")}},
                                  this),
                    kTitleRow, UserRow::NameColumn, 2, 1, Qt::AlignBottom);
    grid->addWidget(stackedTitles({{"lbUUserID", params::texts::kUserCode},
                                   {"lbU4_6digit", QStringLiteral("(4 v. 6 számjegy)")}},
                                  this),
                    kTitleRow, UserRow::CodeColumn, 2, 1, Qt::AlignBottom);

    // The rights columns side by side, each under its rotated title.
    auto* titles = new QWidget(this);
    auto* titlesLayout = new QHBoxLayout(titles);
    titlesLayout->setContentsMargins(0, 0, 0, 0);
    titlesLayout->setSpacing(0);
    auto* rights = new QWidget(this);
    auto* rightsLayout = new QHBoxLayout(rights);
    rightsLayout->setContentsMargins(0, 0, 0, 0);
    rightsLayout->setSpacing(0);
    for (int k = 1; k <= params::kRightsFlags; ++k) {
        const QString& text = params::texts::kRights.at(k - 1);
        auto* title = new RotatedLabel(text, titles);
        title->setObjectName(QString::fromLatin1(kRightTitleNames[std::size_t(k - 1)]));
        title->setFixedWidth(editor::kMarkWidth);
        titlesLayout->addWidget(title, 0, Qt::AlignBottom);

        auto* column = new CheckColumn(params::kUsers, editor::kRowHeight, rights);
        column->setObjectName(QStringLiteral("cblUserRights%1").arg(k));
        column->setAccessibleName(text.trimmed());
        column->setFixedWidth(editor::kMarkWidth);
        for (int user = 1; user <= params::kUsers; ++user)
            column->setItemAccessibleName(user - 1, cellAccessibleName(params::texts::userRowCaption(user), text));
        rightsLayout->addWidget(column);
        cblUserRights[std::size_t(k - 1)] = column;
    }
    grid->addWidget(titles, kRotatedTitleRow, UserRow::RightsColumn, Qt::AlignBottom);
    grid->addWidget(rights, kFirstUserRow, UserRow::RightsColumn, params::kUsers, 1, Qt::AlignTop);

    rows.reserve(params::kUsers);
    for (int user = 1; user <= params::kUsers; ++user) {
        rows.emplace_back(user, *grid, kFirstUserRow + user - 1, this);
        CodeBox* box = rows.back().edUserCode;
        connect(box, &CodeBox::left, this, [this, box] { edUserCode1Exit(*box); });
    }
    grid->setColumnStretch(UserRow::CodeColumn + 1, 1);

    // The installer code, under the table.
    Panel95 = new QFrame(this);
    Panel95->setObjectName(QStringLiteral("Panel95"));
    Panel95->setFrameShape(QFrame::StyledPanel);
    auto* panel = new QHBoxLayout(Panel95);
    panel->setContentsMargins(6, 3, 6, 3);
    const QString masterCaption = params::texts::kInstallerCode + QStringLiteral(" megváltoztatása:");
    auto* lbChangeMasterCode = new QLabel(masterCaption, Panel95);
    lbChangeMasterCode->setObjectName(QStringLiteral("lbChangeMasterCode"));
    edMasterCode = new CodeBox(Panel95);
    edMasterCode->setObjectName(QStringLiteral("edMasterCode"));
    edMasterCode->setAccessibleName(captionName(masterCaption));
    edMasterCode->setFixedSize(kMasterCodeWidth, editor::kRowHeight);
    lbChangeMasterCode->setBuddy(edMasterCode);
    panel->addWidget(lbChangeMasterCode);
    panel->addWidget(edMasterCode);
    connect(edMasterCode, &CodeBox::left, this, [this] { edUserCode1Exit(*edMasterCode); });

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Panel95);
    page->addSpacing(4);
    page->addLayout(bottom);
    page->addStretch(1);
}

void UsersPage::edUserCode1Exit(CodeBox& box)
{
    if (params::isAcceptableCodeText(box.text()))
        return;
    prompter().message(kCodeRefused);
    box.setText(box.textOnEntry());
}

void UsersPage::load(const params::ParameterImage& image)
{
    for (UserRow& row : rows)
        row.load(image);
    for (int user = 1; user <= params::kUsers; ++user) {
        const params::UserRights rights = params::ReadUserRights(image, fieldRef(Field::UserRights, user));
        for (std::size_t k = 0; k < rights.size(); ++k)
            cblUserRights[k]->setChecked(user - 1, rights[k]);
    }
    edMasterCode->showCode(params::ReadCode(image, fieldRef(Field::InstallerCode)));
}

void UsersPage::store(params::ParameterImage& image) const
{
    for (const UserRow& row : rows)
        row.store(image);
    for (int user = 1; user <= params::kUsers; ++user) {
        params::UserRights rights{};
        for (std::size_t k = 0; k < rights.size(); ++k)
            rights[k] = cblUserRights[k]->isChecked(user - 1);
        params::WriteUserRights(image, fieldRef(Field::UserRights, user), rights);
    }
    params::WriteCode(image, fieldRef(Field::InstallerCode), edMasterCode->text());
}
