#pragma once

// Whether a control shows its text whole: the text's width in the control's
// own font against the room the control's style leaves for it. The widget
// must have its laid-out size (shown, or its layout activated).

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace textfit {

// A button's caption with the room the style gives a caption (its button
// margin and frames, as in the button's own size hint, without the hint's
// least width), so that it does not touch the button's edges.
inline bool buttonFits(const QPushButton* button)
{
    const QStyle* style = button->style();
    const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    return button->fontMetrics().horizontalAdvance(button->text()) + margins <= button->width();
}

// Every item of a drop-down list within the closed box's text field.
inline bool comboFits(const QComboBox* box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    const int room =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
    for (int i = 0; i < box->count(); ++i)
        if (box->fontMetrics().horizontalAdvance(box->itemText(i)) > room)
            return false;
    return true;
}

// A column title within its column, with the header's margin at either side.
inline bool headerTitleFits(const QHeaderView* header, int column, const QString& title)
{
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return header->fontMetrics().horizontalAdvance(title) + margins <= header->sectionSize(column);
}

} // namespace textfit
