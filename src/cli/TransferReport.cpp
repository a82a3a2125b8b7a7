#include "cli/TransferReport.h"

namespace cli {

using params::ParameterTransfer;
using params::TransferKind;
using params::TransferOutcome;

namespace {

QString blockLine(int block, const QString& what)
{
    return QStringLiteral("block %1: %2").arg(block + 1).arg(what);
}

QString doneWord(TransferKind kind)
{
    switch (kind) {
    case TransferKind::Read: return QStringLiteral("read");
    case TransferKind::Write: return QStringLiteral("written");
    case TransferKind::Compare: return QStringLiteral("equal");
    }
    return {};
}

QString failedWord(TransferKind kind)
{
    return kind == TransferKind::Write ? QStringLiteral("not acknowledged") : QStringLiteral("no valid answer");
}

} // namespace

void reportTransfer(ParameterTransfer& transfer, TransferKind kind, QTextStream& err)
{
    const auto print = [&err](const QString& text) { err << text << Qt::endl; };
    QObject::connect(&transfer, &ParameterTransfer::loginFailed, &transfer, print);
    QObject::connect(&transfer, &ParameterTransfer::versionMismatch, &transfer, print);
    QObject::connect(&transfer, &ParameterTransfer::versionUnread, &transfer, print);
    QObject::connect(&transfer, &ParameterTransfer::blockDone, &transfer,
                     [=](int block) { print(blockLine(block, doneWord(kind))); });
    QObject::connect(&transfer, &ParameterTransfer::blockFailed, &transfer,
                     [=](int block) { print(blockLine(block, failedWord(kind))); });
    QObject::connect(&transfer, &ParameterTransfer::blockDiffers, &transfer,
                     [=](int block) { print(blockLine(block, QStringLiteral("differs"))); });
    QObject::connect(&transfer, &ParameterTransfer::activationFailed, &transfer,
                     [=] { print(QStringLiteral("activation not confirmed")); });
}

int exitCodeFor(TransferOutcome outcome)
{
    switch (outcome) {
    case TransferOutcome::Done: return kSuccess;
    case TransferOutcome::Differs: return kDifferent;
    default: return kFailure;
    }
}

} // namespace cli
