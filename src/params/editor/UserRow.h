#pragma once

#include "params/ParameterImage.h"
#include "params/editor/TextBox.h"

#include <QString>

class CodeBox;
class QGridLayout;
class QLabel;
class QWidget;

// One user of the users table: caption, name and code, placed into the
// table's grid at `gridRow`. The rights columns are the page's.
class UserRow
{
public:
    // Grid columns of the table; the page's rights columns come first.
    enum Column { RightsColumn, CaptionColumn, NameColumn, CodeColumn };

    UserRow(int user, QGridLayout& grid, int gridRow, QWidget* parent);

    void load(const params::ParameterImage& image);
    void store(params::ParameterImage& image) const;

    QLabel* lbUser;
    TextBox* edUserName;
    CodeBox* edUserCode;

private:
    int m_user;
};
