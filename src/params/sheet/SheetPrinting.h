#pragma once

#include "params/DataFile.h"
#include "params/ParameterImage.h"
#include "params/sheet/ProgrammingSheet.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

namespace params {

// A4 portrait with the sheet's margins. A printer is set to it before its
// dialog; the sheet follows whatever page the device has when printed.
QPageLayout sheetPageLayout();

// "1. oldal / 3"
QString sheetPageNumber(int page, int pageCount);

// Lays the sheet out on the device's pages and prints it, with the account
// and the page number at the foot of every page.
FileResult printProgrammingSheet(QPagedPaintDevice& device, const ParameterImage& image, const SheetHeader& header);

// The sheet as a PDF document on A4; empty when it could not be drawn.
QByteArray programmingSheetPdf(const ParameterImage& image, const SheetHeader& header);

// Writes the PDF through the whole-file writer: a failure leaves no part
// of a file behind and an older file as it was.
FileResult saveProgrammingSheetPdf(const QString& path, const ParameterImage& image, const SheetHeader& header);

} // namespace params
