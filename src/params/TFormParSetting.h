#pragma once

#include "params/ParameterImage.h"

#include <QDialog>

#include <array>

class EditorPage;
class EventsPage;
class PhonesPage;
class QPushButton;
class QStatusBar;
class QTabWidget;
class RadioPage;
class RelaysPage;
class TFormOnOffMode;
class UsersPage;
class ZonesPage;

// The settings editor: six pages over the parameter image. It edits the image
// only; sending it to the module is the transfer window's work. The cancel
// button and the close box discard every edit; Escape asks first when the
// controls hold an edit.
class TFormParSetting : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 780;
    static constexpr int kClientHeight = 463;
    // The pages hold many controls in small rows.
    static constexpr int kFontPointSize = 8;
    static inline const QString kDiscardQuestion = QStringLiteral("Elveti a módosításokat?");

    explicit TFormParSetting(params::ParameterImage& image, QWidget* parent = nullptr);

    // The arming mode dialog is created after the editor.
    void setArmingModeDialog(TFormOnOffMode& dialog);

    void LoadFromImage();
    void StoreToImage();

    void FormCreate();
    void btSettingOKClick();
    void btSettingCancelClick();
    // Escape: closes as cancel does, after a Yes when something was edited.
    void escapePressed();

    // Whether the controls would store an image other than the one they
    // were loaded from: an edit typed and taken back again is none.
    bool hasEdits() const;

    QTabWidget* PageControl1 = nullptr;
    ZonesPage* TabSheet1 = nullptr;
    UsersPage* TabSheet2 = nullptr;
    EventsPage* TabSheet3 = nullptr;
    RelaysPage* TabSheet4 = nullptr;
    PhonesPage* TabSheet5 = nullptr;
    RadioPage* FoPanel6 = nullptr;
    QPushButton* btSettingOK = nullptr;
    QPushButton* btSettingCancel = nullptr;
    // Says why a paste into a control was refused.
    QStatusBar* StatusBar1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<EditorPage*, 6> pages() const;
    // What the controls store into `image`.
    params::ParameterImage storedOver(const params::ParameterImage& image) const;

    params::ParameterImage& m_image;
    // What the controls stored right after the last load: an image byte that
    // a control cannot show (a value beyond its range) is stored as the
    // control shows it, which is no edit of the person's.
    params::ParameterImage m_loaded;
};
