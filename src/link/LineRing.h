#pragma once

#include <QByteArrayView>

#include <deque>
#include <memory>
#include <vector>

// A first-in first-out store of byte lines that holds at most a given number
// of them. The text lives back to back in large blocks; a block whose lines
// have all been dropped is written again, so a store that stays full for days
// neither asks the allocator for more nor leaves holes in its heap.
class LineRing
{
public:
    // Lines longer than a block get a block of their own.
    static constexpr qsizetype kBlockBytes = 64 * 1024;

    explicit LineRing(qsizetype maxLines);

    qsizetype size() const { return m_count; }
    bool full() const { return m_count == m_maxLines; }
    // The line at `index`, 0 being the oldest; valid until it is dropped.
    QByteArrayView at(qsizetype index) const;

    // Adds a line after the newest; the store must not be full.
    void push(QByteArrayView line);
    void dropOldest();
    // Drops every line and gives the memory back.
    void clear();

private:
    struct Block
    {
        std::unique_ptr<char[]> bytes;
        qsizetype capacity = 0;
        qsizetype used = 0;
        qsizetype lines = 0;
    };
    struct Line
    {
        const char* data = nullptr;
        qsizetype size = 0;
    };

    Block& blockWithRoom(qsizetype size);
    void retire(Block& block);
    void growIndex();

    qsizetype m_maxLines;
    // Oldest first; lines are written into the last one.
    std::deque<Block> m_blocks;
    // One emptied block of the standard size, kept to be written again.
    std::unique_ptr<char[]> m_spare;
    // Circular: the oldest line is at m_first.
    std::vector<Line> m_index;
    qsizetype m_first = 0;
    qsizetype m_count = 0;
};
