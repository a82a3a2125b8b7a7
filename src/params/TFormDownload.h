#pragma once

#include "params/ParameterImage.h"
#include "params/ParameterTransfer.h"
#include "params/sheet/SheetHeader.h"

#include <QColor>
#include <QLabel>
#include <QWidget>

#include <array>

class DeviceLink;
class QPushButton;
class QStatusBar;
class TFormDifferences;
class TFormHistory;
class TFormParSetting;

namespace archive {
class ImageArchive;
}

// One of the eight coloured block panels: a sunken panel with its caption.
class BlockPanel : public QLabel
{
    Q_OBJECT
public:
    BlockPanel(const QString& caption, QWidget* parent);

    void setColour(const QColor& colour);
    QColor colour() const;
};

// The parameter transfer window: moves the parameter image between the
// module, the PC and data files, compares it with the module and opens the
// settings editor. Eight panels show each transfer block by block.
//
// The shared countdown and its 100 ms timer, which this window carried in
// the original design, are owned by the device link (its TickCounter runs
// from the link's creation); this window adds no timer of its own.
class TFormDownload : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 284;
    static constexpr int kClientHeight = 343;
    static constexpr int kPanelCount = params::ParameterImage::kBlockCount;
    static constexpr int kTransferButtonCount = 7;

    // The panel colours.
    static inline const QColor kSilver{192, 192, 192};
    static inline const QColor kWhite{255, 255, 255};
    static inline const QColor kYellow{255, 255, 0};
    static inline const QColor kGreen{0, 192, 0};
    static inline const QColor kRed{255, 0, 0};

    TFormDownload(DeviceLink& link, params::ParameterImage& image, TFormParSetting& editor,
                  QWidget* parent = nullptr);

    params::ParameterTransfer& transfer() { return m_transfer; }
    // Archives every transfer and data file from now on, and offers the
    // archive in the history window.
    void setArchive(archive::ImageArchive& archive);

    // Handlers.
    void btOpenClick();
    void btSaveClick();
    void btReadClick();
    void btWriteClick();
    void btCompareClick();
    void btEditClick();
    void btCloseClick();
    // Reads the module's eight blocks and lists every setting that differs
    // from the image; enabled only after a comparison found a difference.
    void btDiffClick();
    // Prints the image as the programming sheet, on a printer or into a PDF file.
    void btPrintClick();
    // Opens the history window of the archive.
    void btHistoryClick();
    // Takes an archived image into the image as opening a data file does;
    // refused while a transfer owns the image.
    void loadArchivedImage(const params::ParameterImage& image, qint64 id);

    // Block 0 to 7 colours BP1 to BP8.
    void SetBlockPanelColour(int block, const QColor& colour);
    void SetAllBlockPanels(const QColor& colour);
    QColor blockPanelColour(int block) const;
    // The seven buttons that a transfer disables (all but btStop), and
    // btPrint: the image is not printed while a transfer may replace it.
    void DisableTransferButtons();
    void EnableTransferButtons();

    std::array<BlockPanel*, kPanelCount> BP{};
    QPushButton* btOpen = nullptr;
    QPushButton* btSave = nullptr;
    QPushButton* btRead = nullptr;
    QPushButton* btWrite = nullptr;
    QPushButton* btCompare = nullptr;
    QPushButton* btDiff = nullptr;
    QPushButton* btHistory = nullptr;
    QPushButton* btEdit = nullptr;
    QPushButton* btPrint = nullptr;
    QPushButton* btStop = nullptr;
    QPushButton* btClose = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    TFormDifferences* differences = nullptr;
    TFormHistory* history = nullptr;

private:
    void buildControls();
    void connectHandlers();
    void connectTransfer();
    void runTransfer(params::TransferKind kind);
    // A transfer of the window's image or the differences' read owns the
    // link and the image from its start to its end: "Betöltés" waits.
    void setTransferRunning(bool running);
    params::SheetHeader sheetHeader() const;
    std::array<QPushButton*, kTransferButtonCount> transferButtons() const;

    DeviceLink& m_link;
    params::ParameterImage& m_image;
    TFormParSetting& m_editor;
    params::ParameterTransfer m_transfer;
    params::TransferKind m_runningKind = params::TransferKind::Read;
    // Where the image came from, for the programming sheet's head: the
    // versions of the module it was read from or written to, or the
    // archived entry it was loaded from; nothing for a data file.
    params::SheetHeader m_origin;
    bool m_transferRunning = false;
    archive::ImageArchive* m_archive = nullptr;
};
