#pragma once

#include "params/HistoryModel.h"
#include "params/ParameterImage.h"

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class TFormDifferences;

namespace archive {
class ImageArchive;
}

// The history window: the archive's entries newest first, narrowed by a
// text found in the account, the site or the note. For the selected entry
// it lists the settings that differ from the image in the transfer window
// (or between two selected entries), takes it into that image, or saves it
// as a data file; the site and the note are edited in the table.
class TFormHistory : public QWidget
{
    Q_OBJECT
public:
    TFormHistory(archive::ImageArchive& archive, const params::ParameterImage& image, QWidget* parent = nullptr);

    // Reads the archive afresh, keeping the filter and the selection; while
    // a cell is being edited, once its editor has closed.
    void reload();
    // While the transfer window runs a transfer, "Betöltés" waits: the
    // transfer owns the image until it ends.
    void setTransferRunning(bool running);

    // Handlers.
    void edFilterChange();
    void btDiffClick();
    void btLoadClick();
    void btSaveClick();

    // The ids of the selected entries, newest first.
    QList<qint64> selectedIds() const;
    params::HistoryModel& model() { return m_model; }

    QLineEdit* edFilter = nullptr;
    QTableView* tvEntries = nullptr;
    QLabel* lbStatus = nullptr;
    QPushButton* btDiff = nullptr;
    QPushButton* btLoad = nullptr;
    QPushButton* btSave = nullptr;
    QPushButton* btClose = nullptr;
    TFormDifferences* differences = nullptr;

signals:
    // "Betöltés": the image of entry `id` is to replace the window's image.
    void loadRequested(const params::ParameterImage& image, qint64 id);

private:
    class EntryTable;

    void buildControls();
    void updateControls();
    void selectIds(const QList<qint64>& ids);
    // The image of entry `id`, or nothing after saying why.
    std::optional<params::ParameterImage> entryImage(qint64 id);

    archive::ImageArchive& m_archive;
    const params::ParameterImage& m_image;
    params::HistoryModel m_model;
    bool m_transferRunning = false;
    EntryTable* m_table = nullptr;
    bool m_reloadPending = false;
};
