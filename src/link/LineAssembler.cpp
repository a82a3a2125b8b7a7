#include "link/LineAssembler.h"

#include "link/WireWords.h"

using wire::kCR;
using wire::kLF;

void LineAssembler::feed(char byte)
{
    if (byte == kLF)
        return;
    if (byte != kCR) {
        if (m_dropping)
            return;
        if (m_buffer.size() >= kMaxLineLength) {
            m_buffer.clear();
            m_dropping = true;
            return;
        }
        m_buffer.append(byte);
        return;
    }
    // The buffer is emptied before the handler runs: a failing handler then
    // cannot leave the finished line behind to be joined with the next one.
    const QByteArray line = std::exchange(m_buffer, {});
    const bool dropped = std::exchange(m_dropping, false);
    if (!line.isEmpty() && !dropped)
        m_onLine(line);
}
