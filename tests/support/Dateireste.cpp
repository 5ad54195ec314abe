#include "Dateireste.h"

#include <QDir>
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>

namespace {
bool ohneUnbenannte = false;
}

// Replaces the C library's open64, through which Qt opens its files, for this test program.
extern "C" int open64(const char *pfad, int flags, ...)
{
    static const auto echt =
        reinterpret_cast<int (*)(const char *, int, ...)>(dlsym(RTLD_NEXT, "open64"));
    mode_t modus = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list argumente;
        va_start(argumente, flags);
        modus = va_arg(argumente, mode_t);
        va_end(argumente);
    }
    if (ohneUnbenannte && (flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP; // what the system answers on a file system without unnamed files
        return -1;
    }
    return echt(pfad, flags, modus);
}

OhneUnbenannteDateien::OhneUnbenannteDateien(bool an)
    : m_vorher(ohneUnbenannte)
{
    ohneUnbenannte = an || m_vorher;
}

OhneUnbenannteDateien::~OhneUnbenannteDateien()
{
    ohneUnbenannte = m_vorher;
}

QStringList Reste(const QString &ordner)
{
    const QDir dir(ordner);
    QStringList reste = dir.entryList(QDir::Files | QDir::Hidden);
    const QString innen = dir.canonicalPath() + QLatin1Char('/');
    std::error_code fehler;
    for (const auto &fd : std::filesystem::directory_iterator("/proc/self/fd", fehler)) {
        const QString ziel =
            QString::fromStdString(std::filesystem::read_symlink(fd.path(), fehler).string());
        if (ziel.startsWith(innen))
            reste << QStringLiteral("offen: ") + ziel.mid(innen.size());
    }
    return reste;
}
