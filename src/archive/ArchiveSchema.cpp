#include "archive/ArchiveSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <array>
#include <initializer_list>
#include <optional>

namespace archive::schema {

namespace {

// Each step brings the schema from the version before it to its own. Steps
// are only ever added: a file of any version meets every step it lacks.
struct Migration
{
    int toVersion;
    std::initializer_list<const char*> statements;
};

const std::array kMigrations{
    Migration{1,
              {
                  // Each distinct image once, found by its SHA-256; the 2048
                  // bytes compressed with zlib (qCompress).
                  "CREATE TABLE images ("
                  " id INTEGER PRIMARY KEY,"
                  " sha256 BLOB NOT NULL UNIQUE,"
                  " data BLOB NOT NULL)",
                  // Times are UTC milliseconds since 1970.
                  "CREATE TABLE entries ("
                  " id INTEGER PRIMARY KEY,"
                  " time_ms INTEGER NOT NULL,"
                  " operation TEXT NOT NULL,"
                  " place TEXT NOT NULL,"
                  " program_version TEXT NOT NULL,"
                  " data_version INTEGER,"
                  " account TEXT NOT NULL,"
                  " site TEXT NOT NULL DEFAULT '',"
                  " note TEXT NOT NULL DEFAULT '',"
                  " image_id INTEGER NOT NULL REFERENCES images(id))",
                  "CREATE INDEX entries_by_time ON entries(time_ms)",
              }},
};

bool run(QSqlDatabase& db, const QString& statement, QString* error)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    *error = query.lastError().text();
    return false;
}

std::optional<int> userVersion(QSqlDatabase& db, QString* error)
{
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("PRAGMA user_version")) && query.next())
        return query.value(0).toInt();
    *error = query.lastError().text();
    return std::nullopt;
}

bool applyMissing(QSqlDatabase& db, int version, QString* error)
{
    for (const Migration& migration : kMigrations) {
        if (migration.toVersion <= version)
            continue;
        for (const char* statement : migration.statements)
            if (!run(db, QString::fromLatin1(statement), error))
                return false;
    }
    return run(db, QStringLiteral("PRAGMA user_version = %1").arg(currentVersion()), error);
}

} // namespace

int currentVersion()
{
    return kMigrations.back().toVersion;
}

bool migrate(QSqlDatabase& db, QString* error)
{
    if (!run(db, QStringLiteral("BEGIN IMMEDIATE"), error))
        return false;
    const std::optional<int> version = userVersion(db, error);
    bool ok = version.has_value();
    if (ok && *version > currentVersion()) {
        *error = QStringLiteral("egy újabb program archívuma (sémaverzió %1)").arg(*version);
        ok = false;
    } else if (ok && *version < currentVersion()) {
        ok = applyMissing(db, *version, error);
    }
    QString ignored;
    if (ok)
        return run(db, QStringLiteral("COMMIT"), error);
    run(db, QStringLiteral("ROLLBACK"), &ignored);
    return false;
}

} // namespace archive::schema
