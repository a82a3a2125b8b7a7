#include "params/TFormDownload.h"

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "ui/ModalLoop.h"
#include "ui/Prompter.h"
#include "archive/ImageArchive.h"
#include "params/DataFile.h"
#include "params/ImageArchiving.h"
#include "params/SettingsDiff.h"
#include "params/TFormDifferences.h"
#include "params/TFormHistory.h"
#include "params/TFormParSetting.h"
#include "params/sheet/SheetPrinting.h"

#include <QDateTime>
#include <QGridLayout>
#include <QPrinter>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include <optional>

using params::TransferKind;
using params::TransferOutcome;

namespace {

constexpr int kButtonHeight = 25;
constexpr int kPanelHeight = 30;
constexpr int kPanelsPerRow = 4;
const QString kCaption = QStringLiteral("GSM-Sentrova paraméterbeállítás");
const QString kPanelCaption = QStringLiteral("Blokk %1");
const QString kDiffReadFailed = QStringLiteral("A modul adatai nem olvashatók be, az eltérések nem listázhatók.");
const QString kSheetSaved = QStringLiteral("A programozási lap elmentve: %1");
const QString kSheetPrinted = QStringLiteral("A programozási lap a nyomtatóra ment.");
const QString kArchivingOff = QStringLiteral("Archiválás kikapcsolva: %1");
const QString kLoadedFromArchive = QStringLiteral("Betöltve az archívumból: #%1");

QPushButton* makeButton(const QString& caption, QWidget* parent, int rows = 1)
{
    auto* button = new QPushButton(caption, parent);
    button->setFixedHeight(rows * kButtonHeight);
    return button;
}

// The caption's width with the style's button margin and frames: a button's
// size hint without its least width.
int snugWidth(const QPushButton* button)
{
    const QStyle* style = button->style();
    return button->fontMetrics().horizontalAdvance(button->text())
           + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
           + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

} // namespace

BlockPanel::BlockPanel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFixedHeight(kPanelHeight);
}

void BlockPanel::setColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QColor BlockPanel::colour() const
{
    return palette().color(QPalette::Window);
}

TFormDownload::TFormDownload(DeviceLink& link, params::ParameterImage& image, TFormParSetting& editor,
                             QWidget* parent)
    : QWidget(parent)
    , m_link(link)
    , m_image(image)
    , m_editor(editor)
    , m_transfer(link, image)
{
    setWindowTitle(kCaption);
    buildControls();
    connectHandlers();
    connectTransfer();
    SetAllBlockPanels(kSilver);
}

void TFormDownload::buildControls()
{
    setFixedSize(kClientWidth, kClientHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 8, 6, 0);
    layout->setSpacing(4);

    auto* panels = new QGridLayout;
    panels->setSpacing(4);
    for (int n = 0; n < kPanelCount; ++n) {
        BP[std::size_t(n)] = new BlockPanel(kPanelCaption.arg(n + 1), this);
        panels->addWidget(BP[std::size_t(n)], n / kPanelsPerRow, n % kPanelsPerRow);
    }
    layout->addLayout(panels);
    layout->addSpacing(6);

    btOpen = makeButton(QStringLiteral("Beolvasás fájlból"), this);
    btSave = makeButton(QStringLiteral("Mentés fájlba"), this);
    btRead = makeButton(QStringLiteral("<-- Adatok beolvasása a modulból"), this);
    btWrite = makeButton(QStringLiteral("--> Adatok áttöltése a modulba"), this);
    btCompare = makeButton(QStringLiteral("<--> Adatok összehasonlítása"), this);
    btDiff = makeButton(QStringLiteral("Eltérések…"), this);
    btDiff->setEnabled(false);
    differences = new TFormDifferences(this);
    btHistory = makeButton(QStringLiteral("Előzmények…"), this);
    btHistory->setEnabled(false);
    btEdit = makeButton(QStringLiteral("Adatok szerkesztése"), this, 2);
    btPrint = makeButton(QStringLiteral("Nyomtatás…"), this);
    btStop = makeButton(QStringLiteral("Stop"), this);
    btClose = makeButton(QStringLiteral("Ablak bezárása"), this);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(btOpen);
    fileRow->addWidget(btSave);
    layout->addLayout(fileRow);
    // The record of the image: its history and its printed sheet.
    auto* recordRow = new QHBoxLayout;
    recordRow->addWidget(btHistory);
    recordRow->addWidget(btPrint);
    layout->addLayout(recordRow);
    for (QPushButton* b : {btRead, btWrite})
        layout->addWidget(b);
    // "Eltérések…" takes only the room its caption needs, so that the long
    // caption beside it keeps clear of its button's edges.
    btDiff->setFixedWidth(snugWidth(btDiff));
    auto* compareRow = new QHBoxLayout;
    compareRow->addWidget(btCompare, 1);
    compareRow->addWidget(btDiff);
    layout->addLayout(compareRow);
    layout->addWidget(btEdit);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(btStop);
    bottomRow->addWidget(btClose);
    layout->addLayout(bottomRow);
    layout->addStretch(1);
    layout->addWidget(StatusBar1);
}

void TFormDownload::connectHandlers()
{
    const std::pair<QPushButton*, void (TFormDownload::*)()> handlers[] = {
        {btOpen, &TFormDownload::btOpenClick},       {btSave, &TFormDownload::btSaveClick},
        {btRead, &TFormDownload::btReadClick},       {btWrite, &TFormDownload::btWriteClick},
        {btCompare, &TFormDownload::btCompareClick}, {btEdit, &TFormDownload::btEditClick},
        {btClose, &TFormDownload::btCloseClick},     {btDiff, &TFormDownload::btDiffClick},
        {btPrint, &TFormDownload::btPrintClick},
        {btHistory, &TFormDownload::btHistoryClick},
    };
    for (const auto& [button, handler] : handlers)
        connect(button, &QPushButton::clicked, this, handler);
    // btStop has no action: a running transfer is not interrupted.
}

void TFormDownload::connectTransfer()
{
    using params::ParameterTransfer;
    connect(&m_transfer, &ParameterTransfer::started, this, [this](TransferKind kind) {
        m_runningKind = kind;
        setTransferRunning(true);
        btDiff->setEnabled(false);
        StatusBar1->clearMessage();
        SetAllBlockPanels(kind == TransferKind::Compare ? kYellow : kWhite);
        DisableTransferButtons();
    });
    connect(&m_transfer, &ParameterTransfer::loginFailed, this, [this](const QString& failureText) {
        SetAllBlockPanels(kRed);
        prompter().message(failureText);
    });
    // The panels keep their colour.
    connect(&m_transfer, &ParameterTransfer::versionMismatch, this,
            [](const QString& message) { prompter().message(message); });
    // A version block that did not arrive whole names no version.
    connect(&m_transfer, &ParameterTransfer::versionUnread, this,
            [](const QString& failureText) { prompter().message(failureText); });
    connect(&m_transfer, &ParameterTransfer::blockDone, this, [this](int block) { SetBlockPanelColour(block, kGreen); });
    // A block that was not read or not acknowledged keeps its white panel;
    // only a comparison marks it.
    connect(&m_transfer, &ParameterTransfer::blockFailed, this, [this](int block) {
        if (m_runningKind == TransferKind::Compare)
            SetBlockPanelColour(block, kRed);
    });
    connect(&m_transfer, &ParameterTransfer::blockDiffers, this, [this](int block) { SetBlockPanelColour(block, kRed); });
    connect(&m_transfer, &ParameterTransfer::activationFailed, this, [this] { SetAllBlockPanels(kRed); });
    connect(&m_transfer, &ParameterTransfer::finished, this, [this](TransferKind kind, TransferOutcome outcome) {
        setTransferRunning(false);
        // A read or write that ended well leaves the module's memory in the
        // image: it has the versions the transfer's query reported.
        if (outcome == TransferOutcome::Done && kind != TransferKind::Compare) {
            m_origin = {};
            if (!m_link.moduleProgramVersion.isEmpty()) {
                m_origin.programVersion = m_link.moduleProgramVersion;
                m_origin.dataVersion = m_link.moduleDataVersion;
            }
        }
        EnableTransferButtons();
        btDiff->setEnabled(outcome == TransferOutcome::Differs);
    });
}

void TFormDownload::setTransferRunning(bool running)
{
    m_transferRunning = running;
    if (history)
        history->setTransferRunning(running);
}

void TFormDownload::runTransfer(TransferKind kind)
{
    // Everything after the start is shown through the transfer's signals.
    switch (m_transfer.run(kind)) {
    case TransferOutcome::PortClosed: prompter().message(text::noSerialLink); break;
    case TransferOutcome::Busy: StatusBar1->showMessage(text::otherTransactionRunning); break;
    default: break;
    }
}

void TFormDownload::btReadClick()
{
    runTransfer(TransferKind::Read);
}

void TFormDownload::btWriteClick()
{
    runTransfer(TransferKind::Write);
}

void TFormDownload::btCompareClick()
{
    runTransfer(TransferKind::Compare);
}

void TFormDownload::btDiffClick()
{
    // The module's whole memory goes into a scratch image: the parameter
    // image and the panels stay as the comparison left them.
    params::ParameterImage module;
    params::ParameterTransfer reading(m_link, module);
    reading.setArchive(m_archive);
    connect(&reading, &params::ParameterTransfer::started, this, [this] {
        setTransferRunning(true);
        DisableTransferButtons();
        btDiff->setEnabled(false);
    });
    connect(&reading, &params::ParameterTransfer::loginFailed, this,
            [](const QString& failureText) { prompter().message(failureText); });
    connect(&reading, &params::ParameterTransfer::versionMismatch, this,
            [](const QString& message) { prompter().message(message); });
    connect(&reading, &params::ParameterTransfer::finished, this, [this] {
        setTransferRunning(false);
        EnableTransferButtons();
        btDiff->setEnabled(true);
    });
    switch (reading.read()) {
    case TransferOutcome::Done:
        differences->showDifferences(params::differingSettings(m_image, module));
        execModal(*differences);
        break;
    case TransferOutcome::PortClosed: prompter().message(text::noSerialLink); break;
    case TransferOutcome::Busy: StatusBar1->showMessage(text::otherTransactionRunning); break;
    case TransferOutcome::BlockFailed:
    case TransferOutcome::VersionUnread: prompter().message(kDiffReadFailed); break;
    default: break; // the login or the data version said why
    }
}

void TFormDownload::setArchive(archive::ImageArchive& archive)
{
    m_archive = &archive;
    m_transfer.setArchive(&archive);
    history = new TFormHistory(archive, m_image, this);
    connect(history, &TFormHistory::loadRequested, this, &TFormDownload::loadArchivedImage);
    connect(&archive, &archive::ImageArchive::turnedOff, this,
            [this](const QString& reason) { StatusBar1->showMessage(kArchivingOff.arg(reason)); });
    btHistory->setEnabled(true);
}

void TFormDownload::btHistoryClick()
{
    if (!history)
        return;
    history->reload();
    history->show();
    history->raise();
    history->activateWindow();
}

void TFormDownload::loadArchivedImage(const params::ParameterImage& image, qint64 id)
{
    if (m_transferRunning) {
        StatusBar1->showMessage(text::otherTransactionRunning);
        return;
    }
    m_image = image;
    const std::optional<archive::Entry> entry = m_archive ? m_archive->entry(id) : std::nullopt;
    m_origin = entry ? params::sheetHeaderOf(*entry) : params::SheetHeader{};
    SetAllBlockPanels(kGreen);
    StatusBar1->showMessage(kLoadedFromArchive.arg(id));
}

void TFormDownload::btOpenClick()
{
    SetAllBlockPanels(kSilver);
    const QString path = prompter().openFileName(params::datafile::kQtFilter, params::datafile::kDefaultSuffix,
                                                 params::datafile::kInitialFileName);
    if (path.isEmpty())
        return;
    if (const params::FileResult result = params::OpenAndArchive(path, m_image, m_archive); !result) {
        prompter().error(result.error);
        return;
    }
    // A file knows no module versions.
    m_origin = {};
    SetAllBlockPanels(kGreen);
}

void TFormDownload::btSaveClick()
{
    const QString path = prompter().saveFileName(params::datafile::kQtFilter, params::datafile::kDefaultSuffix,
                                                 params::datafile::kInitialFileName);
    if (path.isEmpty())
        return;
    if (const params::FileResult result = params::SaveAndArchive(path, m_image, m_archive); !result)
        prompter().error(result.error);
}

void TFormDownload::btEditClick()
{
    // An editor still in its loop keeps its edits: loading the image again
    // would throw them away.
    if (modalLoopRunning(m_editor))
        return;
    m_editor.LoadFromImage();
    execModal(m_editor);
}

params::SheetHeader TFormDownload::sheetHeader() const
{
    // An archived entry brings its site and time; an image from the module
    // or a file is dated now, with the site its account has in the archive.
    params::SheetHeader header = m_origin;
    if (!header.date.isValid()) {
        header.date = QDateTime::currentDateTime();
        header.site = params::archivedSite(m_archive, params::accountText(m_image));
    }
    return header;
}

void TFormDownload::btPrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(params::sheetPageLayout());
    printer.setDocName(params::kSheetTitle);
    if (!prompter().choosePrinter(printer))
        return;
    // A PDF goes through the whole-file writer, so that a failed save leaves
    // no half file behind.
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    const params::FileResult result = toFile
        ? params::saveProgrammingSheetPdf(printer.outputFileName(), m_image, sheetHeader())
        : params::printProgrammingSheet(printer, m_image, sheetHeader());
    if (!result) {
        prompter().error(result.error);
        return;
    }
    StatusBar1->showMessage(toFile ? kSheetSaved.arg(printer.outputFileName()) : kSheetPrinted);
}

void TFormDownload::btCloseClick()
{
    hide();
}

void TFormDownload::SetBlockPanelColour(int block, const QColor& colour)
{
    BP.at(std::size_t(block))->setColour(colour);
}

void TFormDownload::SetAllBlockPanels(const QColor& colour)
{
    for (BlockPanel* panel : BP)
        panel->setColour(colour);
}

QColor TFormDownload::blockPanelColour(int block) const
{
    return BP.at(std::size_t(block))->colour();
}

std::array<QPushButton*, TFormDownload::kTransferButtonCount> TFormDownload::transferButtons() const
{
    return {btOpen, btSave, btRead, btWrite, btCompare, btEdit, btClose};
}

void TFormDownload::DisableTransferButtons()
{
    for (QPushButton* button : transferButtons())
        button->setEnabled(false);
    btPrint->setEnabled(false);
}

void TFormDownload::EnableTransferButtons()
{
    for (QPushButton* button : transferButtons())
        button->setEnabled(true);
    btPrint->setEnabled(true);
}
