#pragma once

#include <QDialog>

class DeviceLink;
class TFormEventlistShort;

// The window's content is built by its own work; until then it opens with its
// caption and closes with its button.
class TFormStatus : public QDialog
{
    Q_OBJECT
public:
    explicit TFormStatus(DeviceLink& link, TFormEventlistShort& eventList, QWidget* parent = nullptr);

    void btCloseClick();
    // Shows the window modally; polls the module while it is open.
    void openModal();
    // Ends polling (the radio window takes the line).
    void stopPolling();
};
