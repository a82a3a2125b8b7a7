#include "params/TFormHistory.h"

#include "archive/ImageArchive.h"
#include "params/DataFile.h"
#include "params/ImageArchiving.h"
#include "params/SettingsDiff.h"
#include "params/TFormDifferences.h"
#include "ui/Prompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace {

const QString kCaption = QStringLiteral("Előzmények");
const QString kArchiveOff = QStringLiteral("Az archívum nem használható: %1");
const QString kEntryMissing = QStringLiteral("A bejegyzés (#%1) képe nem olvasható az archívumból.");

// Column widths in pixels, in the model's column order.
constexpr std::array<int, params::HistoryModel::ColumnCount> kColumnWidths{135, 150, 115, 150, 170, 190, 200};

} // namespace

// The entries' table, telling whether a cell is being edited and when its
// editor has closed, however it was closed: by the delegate, by a move of
// the current cell or by the view.
class TFormHistory::EntryTable : public QTableView
{
public:
    using QTableView::QTableView;

    bool editing() const { return state() == EditingState; }

    std::function<void()> onEditorClosed;

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        QTableView::closeEditor(editor, hint);
        if (onEditorClosed)
            onEditorClosed();
    }
};

TFormHistory::TFormHistory(archive::ImageArchive& archive, const params::ParameterImage& image, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_archive(archive)
    , m_image(image)
    , m_model(archive)
{
    setWindowTitle(kCaption);
    buildControls();
    connect(edFilter, &QLineEdit::textChanged, this, &TFormHistory::edFilterChange);
    connect(btDiff, &QPushButton::clicked, this, &TFormHistory::btDiffClick);
    connect(btLoad, &QPushButton::clicked, this, &TFormHistory::btLoadClick);
    connect(btSave, &QPushButton::clicked, this, &TFormHistory::btSaveClick);
    connect(btClose, &QPushButton::clicked, this, &QWidget::hide);
    connect(tvEntries->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFormHistory::updateControls);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &TFormHistory::updateControls);
    // Entries archived while the window is open appear at once.
    connect(&m_archive, &archive::ImageArchive::added, this, [this] {
        if (isVisible())
            reload();
    });
    connect(&m_archive, &archive::ImageArchive::turnedOff, this, &TFormHistory::updateControls);
    updateControls();
}

void TFormHistory::buildControls()
{
    resize(1140, 480);
    auto* layout = new QVBoxLayout(this);
    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QStringLiteral("Szűrés:"), this);
    edFilter = new QLineEdit(this);
    edFilter->setPlaceholderText(QStringLiteral("ügyfél azonosító, objektum vagy megjegyzés"));
    edFilter->setAccessibleName(QStringLiteral("Szűrés"));
    edFilter->setClearButtonEnabled(true);
    filterLabel->setBuddy(edFilter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(edFilter, 1);
    layout->addLayout(filterRow);

    m_table = new EntryTable(this);
    // The reload waits for the event loop: the closing editor's own events
    // are still on their way.
    m_table->onEditorClosed = [this] {
        if (m_reloadPending)
            QTimer::singleShot(0, this, [this] {
                if (m_reloadPending)
                    reload();
            });
    };
    tvEntries = m_table;
    tvEntries->setModel(&m_model);
    tvEntries->setAccessibleName(QStringLiteral("Bejegyzések"));
    tvEntries->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvEntries->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tvEntries->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                               | QAbstractItemView::SelectedClicked);
    tvEntries->setWordWrap(false);
    tvEntries->verticalHeader()->hide();
    // Rows of one height, so that ten thousand of them cost no measuring.
    tvEntries->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tvEntries->verticalHeader()->setDefaultSectionSize(tvEntries->fontMetrics().height() + 6);
    for (int column = 0; column < params::HistoryModel::ColumnCount; ++column)
        tvEntries->setColumnWidth(column, kColumnWidths[std::size_t(column)]);
    tvEntries->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(tvEntries, 1);

    lbStatus = new QLabel(this);
    layout->addWidget(lbStatus);

    btDiff = new QPushButton(QStringLiteral("Eltérések"), this);
    btLoad = new QPushButton(QStringLiteral("Betöltés"), this);
    btSave = new QPushButton(QStringLiteral("Mentés fájlba…"), this);
    btClose = new QPushButton(QStringLiteral("Ablak bezárása"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {btDiff, btLoad, btSave})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(btClose);
    layout->addLayout(buttons);

    differences = new TFormDifferences(this);
}

void TFormHistory::reload()
{
    // A model reset would close an open cell editor and lose what is typed
    // in it: the reload waits until the editor has closed and stored it.
    if (m_table->editing()) {
        m_reloadPending = true;
        return;
    }
    m_reloadPending = false;
    const QList<qint64> selected = selectedIds();
    m_model.reload();
    selectIds(selected);
}

void TFormHistory::selectIds(const QList<qint64>& ids)
{
    QItemSelection selection;
    for (qint64 id : ids)
        if (const int row = m_model.rowOf(id); row >= 0)
            selection.select(m_model.index(row, 0), m_model.index(row, params::HistoryModel::ColumnCount - 1));
    tvEntries->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void TFormHistory::setTransferRunning(bool running)
{
    m_transferRunning = running;
    updateControls();
}

QList<qint64> TFormHistory::selectedIds() const
{
    QList<int> rows;
    for (const QModelIndex& index : tvEntries->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QList<qint64> ids;
    for (int row : rows)
        ids.append(m_model.entryAt(row).id);
    return ids;
}

void TFormHistory::updateControls()
{
    const bool off = m_archive.isOff();
    const qsizetype selected = off ? 0 : tvEntries->selectionModel()->selectedRows().size();
    edFilter->setEnabled(!off);
    tvEntries->setEnabled(!off);
    btDiff->setEnabled(selected == 1 || selected == 2);
    btLoad->setEnabled(selected == 1 && !m_transferRunning);
    btSave->setEnabled(selected == 1);
    if (off)
        lbStatus->setText(kArchiveOff.arg(m_archive.offReason()));
    else if (m_model.rowCount() == m_model.entryCount())
        lbStatus->setText(QStringLiteral("%1 bejegyzés").arg(m_model.entryCount()));
    else
        lbStatus->setText(QStringLiteral("%1 bejegyzés a(z) %2 közül").arg(m_model.rowCount()).arg(m_model.entryCount()));
}

void TFormHistory::edFilterChange()
{
    const QList<qint64> selected = selectedIds();
    m_model.setFilterText(edFilter->text());
    selectIds(selected);
}

std::optional<params::ParameterImage> TFormHistory::entryImage(qint64 id)
{
    std::optional<params::ParameterImage> image = params::archivedImage(m_archive, id);
    if (!image)
        prompter().error(m_archive.isOff() ? kArchiveOff.arg(m_archive.offReason()) : kEntryMissing.arg(id));
    return image;
}

void TFormHistory::btDiffClick()
{
    const QList<qint64> ids = selectedIds();
    if (ids.size() == 1) {
        const auto entry = entryImage(ids.at(0));
        if (!entry)
            return;
        differences->showDifferences(params::differingSettings(*entry, m_image),
                                     QStringLiteral("#%1 → a gépen").arg(ids.at(0)));
    } else if (ids.size() == 2) {
        // The older entry first: the rows are newest first.
        const qint64 older = ids.at(1);
        const qint64 newer = ids.at(0);
        const auto before = entryImage(older);
        const auto after = before ? entryImage(newer) : std::nullopt;
        if (!after)
            return;
        differences->showDifferences(params::differingSettings(*before, *after),
                                     QStringLiteral("#%1 → #%2").arg(older).arg(newer));
    } else {
        return;
    }
    differences->exec();
}

void TFormHistory::btLoadClick()
{
    const QList<qint64> ids = selectedIds();
    if (ids.size() != 1 || m_transferRunning)
        return;
    if (const auto image = entryImage(ids.at(0)))
        emit loadRequested(*image, ids.at(0));
}

void TFormHistory::btSaveClick()
{
    const QList<qint64> ids = selectedIds();
    if (ids.size() != 1)
        return;
    const auto image = entryImage(ids.at(0));
    if (!image)
        return;
    const QString path = prompter().saveFileName(params::datafile::kQtFilter, params::datafile::kDefaultSuffix,
                                                 params::datafile::kInitialFileName);
    if (path.isEmpty())
        return;
    if (const params::FileResult result = params::SaveDataFile(path, *image); !result)
        prompter().error(result.error);
}
