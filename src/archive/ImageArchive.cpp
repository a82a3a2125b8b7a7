#include "archive/ImageArchive.h"

#include "archive/ArchiveFile.h"
#include "archive/ArchiveSchema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <utility>

namespace archive {

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
std::atomic<int> g_connectionCount{0};

const QString kSelectEntries = QStringLiteral(
    "SELECT id, time_ms, operation, place, program_version, data_version, account, site, note FROM entries");

QString cannotOpen(const QString& path)
{
    return QStringLiteral("az archívum nem nyitható meg: %1").arg(QDir::toNativeSeparators(path));
}

QString cannotWrite(const QString& path)
{
    return QStringLiteral("az archívumba nem lehet írni: %1").arg(QDir::toNativeSeparators(path));
}

QString cannotRead(const QString& path)
{
    return QStringLiteral("az archívum nem olvasható: %1").arg(QDir::toNativeSeparators(path));
}

// Qt binds a null text as SQL NULL; the text columns hold empty texts.
QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QVariant nullable(const std::optional<int>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<int>());
}

std::optional<Entry> entryAt(const QSqlQuery& query)
{
    const std::optional<Operation> operation = operationFromKey(query.value(2).toString());
    if (!operation)
        return std::nullopt; // a kind of entry this program does not know
    Entry entry;
    entry.id = query.value(0).toLongLong();
    entry.time = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong(), Qt::UTC);
    entry.operation = *operation;
    entry.place = query.value(3).toString();
    entry.programVersion = query.value(4).toString();
    if (!query.isNull(5))
        entry.dataVersion = query.value(5).toInt();
    entry.account = query.value(6).toString();
    entry.site = query.value(7).toString();
    entry.note = query.value(8).toString();
    return entry;
}

} // namespace

ImageArchive::ImageArchive(QString folder, QObject* parent)
    : QObject(parent)
    , m_folder(std::move(folder))
    , m_connection(QStringLiteral("sentrova-archive-%1").arg(++g_connectionCount))
{
}

ImageArchive::~ImageArchive()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    database().close();
    QSqlDatabase::removeDatabase(m_connection);
}

QString ImageArchive::filePath() const
{
    return QDir(m_folder).filePath(kFileName);
}

QSqlDatabase ImageArchive::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool ImageArchive::usable()
{
    switch (m_state) {
    case State::Open: return true;
    case State::Off: return false;
    case State::Closed: return open();
    }
    return false;
}

bool ImageArchive::open()
{
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        fail(QStringLiteral("a Qt SQLite-meghajtója nincs telepítve"), QStringLiteral("libqt6sql6-sqlite"));
        return false;
    }
    QString error;
    m_path = prepareFile(m_folder, kFileName, &error);
    if (m_path.isEmpty()) {
        fail(error, {});
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open()) {
        fail(cannotOpen(m_path), db.lastError().text());
        return false;
    }
    // Readers never wait for a writer and writers only for each other; a
    // commit survives a crash of the program, and the file stays whole
    // through a power cut.
    for (const char* pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL"}) {
        QSqlQuery query(db);
        if (!query.exec(QString::fromLatin1(pragma))) {
            fail(cannotOpen(m_path), query.lastError().text());
            return false;
        }
    }
    if (!schema::migrate(db, &error)) {
        fail(cannotOpen(m_path), error);
        return false;
    }
    m_state = State::Open;
    return true;
}

void ImageArchive::fail(const QString& what, const QString& reason)
{
    if (m_state == State::Off)
        return;
    m_state = State::Off;
    m_offReason = reason.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, reason);
    if (QSqlDatabase::contains(m_connection))
        database().close();
    emit turnedOff(m_offReason);
}

std::optional<qint64> ImageArchive::add(const NewEntry& entry)
{
    if (entry.image.size() != kImageSize || !usable())
        return std::nullopt;
    QSqlDatabase db = database();
    QString reason;
    const auto step = [&](const QString& statement, const QVariantList& values, QSqlQuery* result = nullptr) {
        QSqlQuery query(db);
        query.prepare(statement);
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (!query.exec()) {
            reason = query.lastError().text();
            return false;
        }
        if (result)
            *result = std::move(query);
        return true;
    };
    const QByteArray hash = QCryptographicHash::hash(entry.image, QCryptographicHash::Sha256);
    const QDateTime time = entry.time.isValid() ? entry.time : QDateTime::currentDateTimeUtc();
    QSqlQuery found(db);
    QSqlQuery inserted(db);
    // One transaction per entry, holding the write lock from its start so
    // that a writer never has to upgrade a read lock another one blocks.
    const bool written = step(QStringLiteral("BEGIN IMMEDIATE"), {})
        && step(QStringLiteral("INSERT OR IGNORE INTO images (sha256, data) VALUES (?, ?)"),
                {hash, qCompress(entry.image)})
        && step(QStringLiteral("SELECT id FROM images WHERE sha256 = ?"), {hash}, &found) && found.next()
        && step(QStringLiteral("INSERT INTO entries (time_ms, operation, place, program_version, data_version, "
                               "account, image_id) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                {time.toMSecsSinceEpoch(), operationKey(entry.operation), text(entry.place),
                 text(entry.programVersion), nullable(entry.dataVersion), text(entry.account), found.value(0)},
                &inserted)
        && step(QStringLiteral("COMMIT"), {});
    if (!written) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        fail(cannotWrite(m_path), reason);
        return std::nullopt;
    }
    const qint64 id = inserted.lastInsertId().toLongLong();
    emit added(id);
    return id;
}

QList<Entry> ImageArchive::entries()
{
    QList<Entry> result;
    if (!usable())
        return result;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(kSelectEntries + QStringLiteral(" ORDER BY time_ms DESC, id DESC"))) {
        fail(cannotRead(m_path), query.lastError().text());
        return result;
    }
    while (query.next())
        if (std::optional<Entry> entry = entryAt(query))
            result.append(std::move(*entry));
    return result;
}

std::optional<Entry> ImageArchive::entry(qint64 id)
{
    if (!usable())
        return std::nullopt;
    QSqlQuery query(database());
    query.prepare(kSelectEntries + QStringLiteral(" WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        fail(cannotRead(m_path), query.lastError().text());
        return std::nullopt;
    }
    return query.next() ? entryAt(query) : std::nullopt;
}

std::optional<QByteArray> ImageArchive::image(qint64 id)
{
    if (!usable())
        return std::nullopt;
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "SELECT images.data FROM entries JOIN images ON images.id = entries.image_id WHERE entries.id = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        fail(cannotRead(m_path), query.lastError().text());
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    QByteArray bytes = qUncompress(query.value(0).toByteArray());
    if (bytes.size() != kImageSize)
        return std::nullopt; // damaged in the file
    return bytes;
}

std::optional<QString> ImageArchive::latestSite(const QString& account)
{
    if (!usable())
        return std::nullopt;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT site FROM entries WHERE account = ? AND site <> ''"
                                 " ORDER BY time_ms DESC, id DESC LIMIT 1"));
    query.addBindValue(text(account));
    if (!query.exec()) {
        fail(cannotRead(m_path), query.lastError().text());
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    return query.value(0).toString();
}

bool ImageArchive::setSiteAndNote(qint64 id, const QString& site, const QString& note)
{
    if (!usable())
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("UPDATE entries SET site = ?, note = ? WHERE id = ?"));
    query.addBindValue(text(site));
    query.addBindValue(text(note));
    query.addBindValue(id);
    if (!query.exec()) {
        fail(cannotWrite(m_path), query.lastError().text());
        return false;
    }
    return query.numRowsAffected() == 1;
}

} // namespace archive
