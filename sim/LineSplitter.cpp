#include "LineSplitter.h"

#include "Wire.h"

#include <utility>

void LineSplitter::feed(char byte)
{
    if (byte == simwire::kLF)
        return;
    if (byte != simwire::kCR) {
        if (m_line.size() < kMaxLength)
            m_line.append(byte);
        else
            m_overlong = true;
        return;
    }
    const QByteArray line = std::exchange(m_line, {});
    if (!std::exchange(m_overlong, false) && !line.isEmpty())
        m_onLine(line);
}

void LineSplitter::reset()
{
    m_line.clear();
    m_overlong = false;
}
