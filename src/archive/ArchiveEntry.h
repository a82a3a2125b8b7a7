#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// What the archive keeps of one parameter image that passed through the
// program or the command-line tool.
namespace archive {

// The 2048 bytes of a parameter image, as every entry holds them.
inline constexpr int kImageSize = 2048;

enum class Operation {
    Read,       // read from the module
    Write,      // written to the module and activated
    Compare,    // the module's blocks as a comparison read them
    FileOpened, // a data file opened
    FileSaved,  // a data file saved
};

// The word that stands for the operation in the archive file and in the
// command-line tool's list ("read", "write", "compare", "open", "save").
QString operationKey(Operation operation);
std::optional<Operation> operationFromKey(const QString& key);

// An entry to be archived; the archive gives it its id.
struct NewEntry
{
    Operation operation = Operation::Read;
    // The serial port or the dialled number; the data file for a file.
    QString place;
    // From the version query of the transfer; none for a file.
    QString programVersion;
    std::optional<int> dataVersion;
    // The customer account as 4 hex digits.
    QString account;
    QByteArray image;
    // Invalid: the time of archiving.
    QDateTime time;
};

// An archived entry without its image.
struct Entry
{
    qint64 id = 0;
    QDateTime time; // UTC
    Operation operation = Operation::Read;
    QString place;
    QString programVersion;
    std::optional<int> dataVersion;
    QString account;
    QString site;
    QString note;
};

} // namespace archive
