#pragma once

#include "params/ParameterImage.h"

#include <QDialog>

#include <array>

class EditorPage;
class EventsPage;
class PhonesPage;
class QPushButton;
class QTabWidget;
class RadioPage;
class RelaysPage;
class TFormOnOffMode;
class UsersPage;
class ZonesPage;

// The settings editor: six pages over the parameter image. It edits the image
// only; sending it to the module is the transfer window's work.
class TFormParSetting : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 780;
    static constexpr int kClientHeight = 463;
    // The pages hold many controls in small rows.
    static constexpr int kFontPointSize = 8;

    explicit TFormParSetting(params::ParameterImage& image, QWidget* parent = nullptr);

    // The arming mode dialog is created after the editor.
    void setArmingModeDialog(TFormOnOffMode& dialog);

    void LoadFromImage();
    void StoreToImage();

    void FormCreate();
    void btSettingOKClick();
    void btSettingCancelClick();

    QTabWidget* PageControl1 = nullptr;
    ZonesPage* TabSheet1 = nullptr;
    UsersPage* TabSheet2 = nullptr;
    EventsPage* TabSheet3 = nullptr;
    RelaysPage* TabSheet4 = nullptr;
    PhonesPage* TabSheet5 = nullptr;
    RadioPage* FoPanel6 = nullptr;
    QPushButton* btSettingOK = nullptr;
    QPushButton* btSettingCancel = nullptr;

private:
    std::array<EditorPage*, 6> pages() const;

    params::ParameterImage& m_image;
};
