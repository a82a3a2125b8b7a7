#include "VersionBlock.h"

#include <algorithm>

namespace {

void placeText(BlockBytes& block, int at, const QByteArray& text)
{
    std::fill(block.begin() + at, block.end(), 0);
    const auto length = std::min<qsizetype>(text.size(), moduleframe::kDataSize - at);
    std::copy_n(text.constData(), length, block.begin() + at);
}

} // namespace

BlockBytes versionBlockData(const VersionTexts& texts)
{
    BlockBytes block{};
    placeText(block, 0, texts.program);
    placeText(block, version::kDataVersionAt, texts.data);
    return block;
}
