#include "params/sheet/SheetPrinting.h"

#include "params/SettingTexts.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace params {

namespace {

const QString kCannotPrint = QStringLiteral("A programozási lap nem nyomtatható.");
const QString kFooterFontFamily = QStringLiteral("DejaVu Sans");
constexpr qreal kFooterPoints = 7.5;
constexpr int kPdfResolution = 600;
constexpr qreal kRulesPerInch = 288; // a quarter-point rule above the footer
const QString kCreator = QStringLiteral("GSM-Sentrova Pultrex");

constexpr qreal kRoomAfterHeadingMm = 25;
constexpr qreal kMmPerInch = 25.4;

// A heading with less than `room` left below it on its page moves to the
// top of the next page, so that it stands over the table it names. Each
// move lays the whole document out again: Qt's layout leaves the blocks
// after a changed one without lines until then.
void keepHeadingsWithTheirTables(QTextDocument& document, qreal pageHeight, qreal room)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    document.pageCount();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.blockFormat().boolProperty(kKeepWithNextProperty))
            continue;
        const QRectF box = layout->blockBoundingRect(block);
        const qreal pageEnd = (std::floor(box.top() / pageHeight) + 1) * pageHeight;
        if (pageEnd - box.bottom() >= room)
            continue;
        // A heading over a subheading moves with it.
        QTextBlock first = block;
        while (first.previous().isValid() && first.previous().blockFormat().boolProperty(kKeepWithNextProperty))
            first = first.previous();
        QTextBlockFormat breaking;
        breaking.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(first).mergeBlockFormat(breaking);
        document.markContentsDirty(0, document.characterCount());
        document.pageCount();
    }
}

QString footerText(const ParameterImage& image)
{
    return kSheetTitle + QStringLiteral(" – ") + texts::kCustomerAccount + QStringLiteral(": ") + sheetAccountText(image);
}

} // namespace

QPageLayout sheetPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 10),
                       QPageLayout::Millimeter);
}

QString sheetPageNumber(int page, int pageCount)
{
    return QStringLiteral("%1. oldal / %2").arg(page).arg(pageCount);
}

FileResult printProgrammingSheet(QPagedPaintDevice& device, const ParameterImage& image, const SheetHeader& header)
{
    QTextDocument document;
    buildProgrammingSheet(document, image, header);
    QPainter painter;
    if (!painter.begin(&device))
        return {kCannotPrint};

    // The painter's origin is the top left of the printable area; the
    // document is laid out in the device's own pixels, the footer takes the
    // last two lines of each page.
    QFont footerFont(kFooterFontFamily);
    footerFont.setPointSizeF(kFooterPoints);
    const QFontMetricsF metrics(footerFont, &device);
    const QSizeF area(device.width(), device.height());
    const QSizeF body(area.width(), area.height() - 2 * metrics.height());
    document.documentLayout()->setPaintDevice(&device);
    document.setPageSize(body);
    keepHeadingsWithTheirTables(document, body.height(), kRoomAfterHeadingMm * device.logicalDpiY() / kMmPerInch);
    const int pageCount = document.pageCount();
    const QString footer = footerText(image);
    const QRectF footerLine(0, area.height() - metrics.height(), area.width(), metrics.height());
    const qreal ruleY = footerLine.top() - metrics.height() / 3;
    const qreal rule = device.logicalDpiY() / kRulesPerInch;

    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !device.newPage())
            return {kCannotPrint};
        const QRectF view(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -view.top());
        document.drawContents(&painter, view);
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(QPen(Qt::gray, rule));
        painter.drawLine(QPointF(0, ruleY), QPointF(area.width(), ruleY));
        painter.setPen(Qt::black);
        painter.drawText(footerLine, Qt::AlignLeft | Qt::AlignBottom, footer);
        painter.drawText(footerLine, Qt::AlignRight | Qt::AlignBottom, sheetPageNumber(page + 1, pageCount));
    }
    if (!painter.end())
        return {kCannotPrint};
    return {};
}

QByteArray programmingSheetPdf(const ParameterImage& image, const SheetHeader& header)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        // The writer finishes the document when it goes away.
        QPdfWriter writer(&buffer);
        writer.setPageLayout(sheetPageLayout());
        writer.setResolution(kPdfResolution);
        writer.setTitle(kSheetTitle);
        writer.setCreator(kCreator);
        if (!printProgrammingSheet(writer, image, header))
            return {};
    }
    return buffer.data();
}

FileResult saveProgrammingSheetPdf(const QString& path, const ParameterImage& image, const SheetHeader& header)
{
    const QByteArray pdf = programmingSheetPdf(image, header);
    if (pdf.isEmpty())
        return {kCannotPrint};
    return SaveWholeFile(path, pdf);
}

} // namespace params
