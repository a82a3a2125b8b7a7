#pragma once

#include "params/ParameterImage.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QWidget;

// Test helpers that reach the settings editor's controls the way a screen
// reader does: by accessible name ("3. Zóna – Belépési késlelt.").

// A control of the editor; `item` is the row of a check column, else -1.
struct EditorControl
{
    QWidget* widget = nullptr;
    int item = -1;

    explicit operator bool() const { return widget != nullptr; }
};

// The one visible-or-not control under `root` with that accessible name;
// empty when there is none or more than one.
EditorControl findControl(QWidget& root, const QString& name);

// What the control shows: the text of an edit or number box, the chosen item
// of a drop-down list ("" for none), "1" or "0" for a radio button or check mark.
QString shownValue(const EditorControl& control);

// Enters `input` the way a person would: enters the box, selects all, types
// and leaves it with Tab; picks the drop-down item of that text with the
// arrow keys; clicks a radio button or a check mark (input "1" or "0").
// "<down>" and "<up>" press that arrow key once; "<keep>" enters and leaves
// without typing.
void enterValue(const EditorControl& control, const QString& input);

QByteArray imageBytes(const params::ParameterImage& image, int offset, int size);
void putImageBytes(params::ParameterImage& image, int offset, const QByteArray& bytes);

// Pseudo-random bytes, each field within what its control can show: names of
// printable characters, codes of digits, numbers and list indexes within
// their ranges, flags 0 or 1. Offsets and ranges are those of the layout
// description, written out here rather than taken from the program.
params::ParameterImage inRangeNoise(unsigned seed);

// The bytes of the fields of `image` that their controls cannot show as they
// are (a night walk of 0, a name with a zero byte, ...).
QList<int> outOfRangeOffsets(const params::ParameterImage& image);
