#include "params/ImageComparison.h"

#include "params/ImageLayout.h"

#include <array>

namespace params {

namespace {

using CodeMask = std::array<bool, ParameterImage::kSize>;

const CodeMask& codeMask()
{
    static const CodeMask mask = [] {
        CodeMask m{};
        for (int offset = 0; offset < ParameterImage::kSize; ++offset)
            m[std::size_t(offset)] = isCodeByte(offset);
        return m;
    }();
    return mask;
}

} // namespace

bool blockMatchesImage(const ParameterImage& image, int block, BlockData moduleData)
{
    const ParameterImage::ConstBlock own = image.block(block);
    const int base = block * ParameterImage::kBlockSize;
    for (int i = 0; i < ParameterImage::kBlockSize; ++i) {
        if (!codeMask()[std::size_t(base + i)] && own[std::size_t(i)] != moduleData[std::size_t(i)])
            return false;
    }
    return true;
}

} // namespace params
