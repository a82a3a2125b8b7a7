#pragma once

#include "params/ImageLayout.h"
#include "params/editor/EditorPage.h"
#include "params/editor/UserRow.h"

#include <array>
#include <vector>

class CheckColumn;
class CodeBox;
class QFrame;

// The page "Felhasználók": twelve user rows with names, codes and rights, and the installer code.
class UsersPage : public EditorPage
{
    Q_OBJECT
public:
    static inline const QString kCodeRefused = QStringLiteral("A jelszó csak 4 vagy 6 jegyű szám lehet!");

    explicit UsersPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;

    // Serves all thirteen code boxes when they are left: a code that is not
    // four or six digits (or asterisks) is refused with a message, and the
    // box gets back the code it held when it was entered, so that a typing
    // slip never deletes a code.
    void edUserCode1Exit(CodeBox& box);

    // User n is row n − 1.
    std::vector<UserRow> rows;
    // cblUserRights1..16: list k is right k, bit k − 1 of the rights word;
    // its item n − 1 is user n.
    std::array<CheckColumn*, params::kRightsFlags> cblUserRights{};
    QFrame* Panel95 = nullptr;
    CodeBox* edMasterCode = nullptr;
};
