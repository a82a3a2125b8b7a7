#include "params/editor/EventsPage.h"

EventsPage::EventsPage(QWidget* parent)
    : EditorPage(parent)
{
}

void EventsPage::load(const params::ParameterImage& image)
{
    Q_UNUSED(image);
}

void EventsPage::store(params::ParameterImage& image) const
{
    Q_UNUSED(image);
}
