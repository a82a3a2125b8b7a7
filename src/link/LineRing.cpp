#include "link/LineRing.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr qsizetype kFirstIndexSize = 1024;
}

LineRing::LineRing(qsizetype maxLines)
    : m_maxLines(std::max<qsizetype>(maxLines, 1))
{
}

QByteArrayView LineRing::at(qsizetype index) const
{
    const Line& line = m_index[std::size_t((m_first + index) % qsizetype(m_index.size()))];
    return {line.data, line.size};
}

void LineRing::push(QByteArrayView line)
{
    Q_ASSERT(!full());
    if (m_count == qsizetype(m_index.size()))
        growIndex();
    Line stored;
    if (!line.isEmpty()) {
        Block& block = blockWithRoom(line.size());
        char* at = block.bytes.get() + block.used;
        std::memcpy(at, line.data(), std::size_t(line.size()));
        block.used += line.size();
        ++block.lines;
        stored = {at, line.size()};
    }
    m_index[std::size_t((m_first + m_count) % qsizetype(m_index.size()))] = stored;
    ++m_count;
}

void LineRing::dropOldest()
{
    if (m_count == 0)
        return;
    const Line oldest = m_index[std::size_t(m_first)];
    m_first = (m_first + 1) % qsizetype(m_index.size());
    --m_count;
    if (oldest.size == 0)
        return;
    // Lines fill the blocks in order, so the oldest line lies in the first
    // block that still holds any.
    Block& front = m_blocks.front();
    if (--front.lines > 0)
        return;
    if (m_blocks.size() > 1) {
        retire(front);
        m_blocks.pop_front();
    } else {
        front.used = 0;
    }
}

void LineRing::clear()
{
    m_blocks.clear();
    m_spare.reset();
    m_index = {};
    m_first = 0;
    m_count = 0;
}

LineRing::Block& LineRing::blockWithRoom(qsizetype size)
{
    if (!m_blocks.empty()) {
        Block& last = m_blocks.back();
        if (last.capacity - last.used >= size)
            return last;
        // An empty last block that is too small for this line goes.
        if (last.lines == 0) {
            retire(last);
            m_blocks.pop_back();
        }
    }
    Block block;
    block.capacity = std::max(size, kBlockBytes);
    if (block.capacity == kBlockBytes && m_spare)
        block.bytes = std::move(m_spare);
    else
        block.bytes = std::make_unique_for_overwrite<char[]>(std::size_t(block.capacity));
    m_blocks.push_back(std::move(block));
    return m_blocks.back();
}

void LineRing::retire(Block& block)
{
    if (block.capacity == kBlockBytes && !m_spare)
        m_spare = std::move(block.bytes);
}

void LineRing::growIndex()
{
    const qsizetype size = std::min(std::max(2 * qsizetype(m_index.size()), kFirstIndexSize), m_maxLines);
    std::vector<Line> grown(static_cast<std::size_t>(size));
    for (qsizetype i = 0; i < m_count; ++i)
        grown[std::size_t(i)] = m_index[std::size_t((m_first + i) % qsizetype(m_index.size()))];
    m_index = std::move(grown);
    m_first = 0;
}
