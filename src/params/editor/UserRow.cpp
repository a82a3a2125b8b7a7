#include "params/editor/UserRow.h"

#include "params/FieldConversions.h"
#include "params/SettingTexts.h"
#include "params/editor/AccessibleName.h"
#include "params/editor/CodeBox.h"
#include "params/editor/TableMetrics.h"
#include "params/editor/TextBox.h"

#include <QGridLayout>
#include <QLabel>

using params::Field;
using params::fieldRef;

namespace {

constexpr int kNameWidth = 96;
constexpr int kCodeWidth = 64;

QString numbered(const char* name, int user)
{
    return QString::fromLatin1(name) + QString::number(user);
}

} // namespace

UserRow::UserRow(int user, QGridLayout& grid, int gridRow, QWidget* parent)
    : m_user(user)
{
    const QString row = params::texts::userRowCaption(user);
    lbUser = new QLabel(row, parent);
    lbUser->setObjectName(numbered("lbUser", user));
    lbUser->setFixedHeight(editor::kRowHeight);
    grid.addWidget(lbUser, gridRow, CaptionColumn);

    edUserName = new TextBox(params::kNameLength, parent);
    edUserName->setObjectName(numbered("edUserName", user));
    edUserName->setAccessibleName(cellAccessibleName(row, params::texts::kUserName));
    edUserName->setFixedSize(kNameWidth, editor::kRowHeight);
    grid.addWidget(edUserName, gridRow, NameColumn, Qt::AlignLeft);

    edUserCode = new CodeBox(parent);
    edUserCode->setObjectName(numbered("edUserCode", user));
    edUserCode->setAccessibleName(cellAccessibleName(row, params::texts::kUserCode));
    edUserCode->setFixedSize(kCodeWidth, editor::kRowHeight);
    grid.addWidget(edUserCode, gridRow, CodeColumn, Qt::AlignLeft);
}

void UserRow::load(const params::ParameterImage& image)
{
    edUserName->setText(params::ReadText(image, fieldRef(Field::UserName, m_user)));
    edUserCode->showCode(params::ReadCode(image, fieldRef(Field::UserCode, m_user)));
}

void UserRow::store(params::ParameterImage& image) const
{
    params::WriteText(image, fieldRef(Field::UserName, m_user), edUserName->text());
    params::WriteCode(image, fieldRef(Field::UserCode, m_user), edUserCode->text());
}
