#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// Finds the escape "+++" in the bytes a modem receives: three "+" with no
// other byte between them, no byte for the guard time before the first and
// none for the guard time after the third. A "+" that may begin an escape is
// held back; when the escape breaks, the held "+" go on as ordinary bytes, so
// everything that is not an escape comes out unchanged and in order.
class EscapeDetector : public QObject
{
    Q_OBJECT
public:
    static constexpr char kEscapeCharacter = '+';
    static constexpr int kEscapeLength = 3;

    using Pass = std::function<void(const QByteArray&)>;

    explicit EscapeDetector(Pass pass, QObject* parent = nullptr);

    void feed(QByteArrayView bytes, int guardMs);

signals:
    void escaped();

private:
    bool quietBefore(int guardMs) const;
    void guardKept();

    Pass m_pass;
    int m_held = 0;
    QElapsedTimer m_sinceLastByte;
    QTimer m_guardAfter;
};
