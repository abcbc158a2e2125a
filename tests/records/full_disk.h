// A tiny tmpfs that is filled to the last byte, so saves into it fail the way they do on
// a full disk. Mounting needs root (or CAP_SYS_ADMIN); without it tests skip.
#pragma once

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstddef>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace tess {

class FullDisk {
public:
    FullDisk() {
        mountPoint_ = dir_.filePath(QStringLiteral("disk"));
        QDir().mkpath(mountPoint_);
        mounted_ =
            ::mount("tessfull", mountPoint_.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~FullDisk() {
        if (mounted_) ::umount2(mountPoint_.toLocal8Bit().constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString filePath(const QString& name) const { return QDir(mountPoint_).filePath(name); }

    // Writes `bytes` as `name`, while there is room.
    bool put(const QString& name, const QByteArray& bytes) const {
        QFile f(filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
    }
    // Takes every byte left; true when nothing is left.
    bool fill() const {
        const QByteArray name = filePath(QStringLiteral("filler")).toLocal8Bit();
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd < 0) return false;
        const char block[512] = {};
        for (std::size_t size = sizeof block; size > 0; size /= 2)
            while (::write(fd, block, size) == static_cast<ssize_t>(size)) {
            }
        ::close(fd);
        struct statvfs fs {};
        return ::statvfs(name.constData(), &fs) == 0 && fs.f_bavail == 0;
    }

private:
    QTemporaryDir dir_;
    QString mountPoint_;
    bool mounted_ = false;
};

}  // namespace tess
