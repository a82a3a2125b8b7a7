#pragma once

#include "params/editor/EditorPage.h"

// The page "Események": 47 event report rows with Contact-ID code, routes, SMS text and voice message.
class EventsPage : public EditorPage
{
    Q_OBJECT
public:
    explicit EventsPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;
};
