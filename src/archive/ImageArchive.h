#pragma once

#include "archive/ArchiveEntry.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class QSqlDatabase;

namespace archive {

// The archive file of parameter images: every read, activated write,
// comparison and data file that passed through the program or the tool,
// with the module's versions and the customer account; each distinct image
// stored once. Several programs and tool processes may archive into one
// file at the same time: each entry is one transaction under SQLite's
// write-ahead log, and a writer waits for another's lock.
//
// The file is opened at first use. When it cannot be used (its folder cannot
// be made, it is no database, a lock is held past the wait, a write fails)
// archiving is off for the rest of the run: `turnedOff` says why, once, and
// every later call does nothing. Nothing here fails a transfer.
class ImageArchive : public QObject
{
    Q_OBJECT
public:
    // How long a writer waits for another's lock.
    static constexpr int kBusyTimeoutMs = 5000;

    explicit ImageArchive(QString folder, QObject* parent = nullptr);
    ~ImageArchive() override;

    QString filePath() const;

    // Opens the file if it is not yet open; false when archiving is off.
    bool usable();
    bool isOff() const { return m_state == State::Off; }
    QString offReason() const { return m_offReason; }

    // The id of the new entry; nothing when archiving is off, or when the
    // image is not 2048 bytes.
    std::optional<qint64> add(const NewEntry& entry);

    // Every entry, newest first.
    QList<Entry> entries();
    std::optional<Entry> entry(qint64 id);
    // The 2048 bytes of an entry; nothing for an unknown id.
    std::optional<QByteArray> image(qint64 id);

    // The site of the newest entry of this customer account that has one;
    // nothing when none has.
    std::optional<QString> latestSite(const QString& account);

    bool setSiteAndNote(qint64 id, const QString& site, const QString& note);

signals:
    void added(qint64 id);
    void turnedOff(const QString& reason);

private:
    enum class State { Closed, Open, Off };

    bool open();
    QSqlDatabase database() const;
    // Turns archiving off with `what` and the database's reason.
    void fail(const QString& what, const QString& reason);

    QString m_folder;
    QString m_path;
    QString m_connection;
    State m_state = State::Closed;
    QString m_offReason;
};

} // namespace archive
