#pragma once

#include <QWidget>
#include <QTimer>

#include <functional>

class QLabel;

// The splash window: shows the picture and the version while the program
// creates its windows behind it in two timed steps, then hands over to the
// main window. It stays the program's main window, hidden, for the whole run.
class TFormWelcome : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kPictureWidth = 558;
    static constexpr int kPictureHeight = 320;

    // `createAll` creates the remaining windows; `showMain` shows the main window.
    TFormWelcome(std::function<void()> createAll, std::function<void()> showMain, QWidget* parent = nullptr);

    void FormCreate();
    void TimerCreateAllTimer();
    void TimerShowWelcomeTimer();

    QLabel* Image1 = nullptr;
    QLabel* lbVer = nullptr;
    QTimer TimerCreateAll;
    QTimer TimerShowWelcome;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<void()> m_createAll;
    std::function<void()> m_showMain;
};
