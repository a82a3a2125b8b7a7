#pragma once

#include "params/ParameterImage.h"
#include "params/sheet/SheetHeader.h"

#include <QString>
#include <QTextFormat>

class QTextDocument;

namespace params {

inline const QString kSheetTitle = QStringLiteral("GSM-Sentrova programozási lap");

// Marks the blocks of headings, which belong with what follows them: one
// that would end a page starts the next one instead.
inline constexpr int kKeepWithNextProperty = QTextFormat::UserProperty + 1;

// Fills `document` with the programming sheet of `image`: the header, then
// every setting grouped and labelled as the settings editor's pages show
// them. User and installer codes print as "******", never in clear.
void buildProgrammingSheet(QTextDocument& document, const ParameterImage& image, const SheetHeader& header);

// The customer account as its four hexadecimal digits.
QString sheetAccountText(const ParameterImage& image);

} // namespace params
