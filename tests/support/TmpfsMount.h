#pragma once

#include <QString>

#include <sys/mount.h>

// A small tmpfs mounted on an existing folder for as long as the object
// lives, to fill a file system for real. Mounting needs root; mounted()
// says whether it worked.
class TmpfsMount
{
public:
    TmpfsMount(const QString& folder, int kilobytes)
        : m_folder(folder.toLocal8Bit())
    {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + 'k';
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options.constData()) == 0;
    }

    ~TmpfsMount()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }

    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return m_mounted; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};
