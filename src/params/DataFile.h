#pragma once

#include "params/ParameterImage.h"

#include <QByteArrayView>
#include <QString>

namespace params {

// The ".SD2" data file: exactly the 2048 bytes of the image, block 0 first,
// with no header, trailer, checksum or version mark.
namespace datafile {

// Filter as "description|pattern" pairs, the form the dialogs are described in.
inline const QString kFilter = QStringLiteral("GSM Sentrova Data File ver.2|*.SD2");
inline const QString kDefaultSuffix = QStringLiteral("SD2");
inline const QString kInitialFileName = QStringLiteral("*.SD2");

// "a|b|c|d" as Qt's "a (b);;c (d)".
QString toQtFilter(const QString& pipeFilter);
inline const QString kQtFilter = toQtFilter(kFilter);

} // namespace datafile

// Outcome of a file operation: an empty error text means success.
struct FileResult
{
    QString error;

    bool ok() const { return error.isEmpty(); }
    explicit operator bool() const { return ok(); }
};

// Reads the first 2048 bytes of `path` into `image`. A file that cannot be
// opened or holds fewer than 2048 bytes leaves the image unchanged.
FileResult OpenDataFile(const QString& path, ParameterImage& image);

// Writes `bytes` to `path` through a temporary file that replaces the old
// one only when every byte was written.
FileResult SaveWholeFile(const QString& path, QByteArrayView bytes);

// Writes the image to `path` through a temporary file that replaces the old
// one only when every byte was written, so a failure never leaves a
// truncated data file behind.
FileResult SaveDataFile(const QString& path, const ParameterImage& image);

} // namespace params
