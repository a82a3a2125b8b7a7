#pragma once

#include "params/ImageLayout.h"
#include "params/editor/EditorPage.h"

#include <array>

class QComboBox;
class QGridLayout;
class QLabel;

// The four push-button functions of one user's remote control.
class RemoteRow : public QObject
{
    Q_OBJECT
public:
    // Puts its caption and lists on row `gridRow` of `grid`.
    RemoteRow(int user, QGridLayout* grid, int gridRow, QWidget* parent);

    void load(const params::ParameterImage& image);
    void store(params::ParameterImage& image) const;

    QLabel* lbRFUser = nullptr;
    std::array<QComboBox*, params::kRemoteButtons> cbRFButt{}; // A..D

private:
    int m_user;
};

// The page "Rádiós eszközök beállításai": the four remote-control button functions of each user.
class RadioPage : public EditorPage
{
    Q_OBJECT
public:
    explicit RadioPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;

    QLabel* lbPushbuttonSetup = nullptr;
    std::array<RemoteRow*, params::kUsers> rows{}; // user n at n − 1
};
