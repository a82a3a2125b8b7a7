#pragma once

#include <QSqlDatabase>
#include <QString>

// The tables of the archive file and the steps that bring a file of any
// earlier schema version up to this program's. The version is SQLite's
// user_version; a new file has 0.
namespace archive::schema {

// The schema version this program writes.
int currentVersion();

// Brings the database up to the current version in one transaction that
// holds the write lock, so that programs opening a new file at once create
// the tables only once. False with the reason in `error`, also for a file of
// a newer version, which this program leaves alone.
bool migrate(QSqlDatabase& db, QString* error);

} // namespace archive::schema
