#include "EscapeDetector.h"

EscapeDetector::EscapeDetector(Pass pass, QObject* parent)
    : QObject(parent)
    , m_pass(std::move(pass))
{
    m_guardAfter.setSingleShot(true);
    connect(&m_guardAfter, &QTimer::timeout, this, &EscapeDetector::guardKept);
}

bool EscapeDetector::quietBefore(int guardMs) const
{
    return !m_sinceLastByte.isValid() || m_sinceLastByte.elapsed() >= guardMs;
}

void EscapeDetector::feed(QByteArrayView bytes, int guardMs)
{
    QByteArray passed;
    for (char c : bytes) {
        if (m_held > 0) {
            if (c == kEscapeCharacter && m_held < kEscapeLength) {
                if (++m_held == kEscapeLength)
                    m_guardAfter.start(guardMs);
            } else {
                m_guardAfter.stop();
                passed.append(m_held, kEscapeCharacter);
                passed.append(c);
                m_held = 0;
            }
        } else if (c == kEscapeCharacter && quietBefore(guardMs)) {
            m_held = 1;
        } else {
            passed.append(c);
        }
        // Every byte counts as activity, also the "+" held back.
        m_sinceLastByte.start();
    }
    if (!passed.isEmpty())
        m_pass(passed);
}

void EscapeDetector::guardKept()
{
    m_held = 0;
    emit escaped();
}
