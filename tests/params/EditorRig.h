#pragma once

#include "ScriptedPrompter.h"

#include "params/ParameterImage.h"
#include "params/TFormOnOffMode.h"
#include "params/TFormParSetting.h"

#include <QPushButton>
#include <QTest>

// The settings editor on an image of its own, with its arming mode dialog
// and the dialogs scripted.
struct EditorRig
{
    EditorRig()
        : editor(image)
    {
        editor.setArmingModeDialog(armingMode);
    }

    // As the transfer window opens it, but not modally.
    bool open()
    {
        editor.LoadFromImage();
        editor.show();
        editor.activateWindow();
        return QTest::qWaitForWindowActive(&editor);
    }

    void confirm() { QTest::mouseClick(editor.btSettingOK, Qt::LeftButton); }
    void cancel() { QTest::mouseClick(editor.btSettingCancel, Qt::LeftButton); }

    ScriptedPrompter prompts;
    params::ParameterImage image;
    TFormParSetting editor;
    TFormOnOffMode armingMode;
};
