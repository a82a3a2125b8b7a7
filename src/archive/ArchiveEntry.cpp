#include "archive/ArchiveEntry.h"

#include <array>
#include <utility>

namespace archive {

namespace {

const std::array<std::pair<Operation, QString>, 5> kKeys{{
    {Operation::Read, QStringLiteral("read")},
    {Operation::Write, QStringLiteral("write")},
    {Operation::Compare, QStringLiteral("compare")},
    {Operation::FileOpened, QStringLiteral("open")},
    {Operation::FileSaved, QStringLiteral("save")},
}};

} // namespace

QString operationKey(Operation operation)
{
    for (const auto& [op, key] : kKeys)
        if (op == operation)
            return key;
    return {};
}

std::optional<Operation> operationFromKey(const QString& key)
{
    for (const auto& [op, word] : kKeys)
        if (word == key)
            return op;
    return std::nullopt;
}

} // namespace archive
