#include "ReadOpenFault.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>

namespace {

// The one path whose read-only opens fail; empty when none.
QByteArray& failingPath()
{
    static QByteArray path;
    return path;
}

}  // namespace

namespace sorvanta::test {

ReadOpenFault::ReadOpenFault(const QString& path)
{
    failingPath() = QFile::encodeName(path);
}

ReadOpenFault::~ReadOpenFault()
{
    failingPath().clear();
}

}  // namespace sorvanta::test

// Defined in the executable, this takes the place of the C library's open64
// for QtCore too; every call but the failing one goes on to the real function.
extern "C" int open64(const char* path, int flags, ...)
{
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list args;
        va_start(args, flags);
        mode = va_arg(args, mode_t);
        va_end(args);
    }
    const QByteArray& failing = failingPath();
    if (!failing.isEmpty() && (flags & O_ACCMODE) == O_RDONLY && std::strcmp(path, failing.constData()) == 0) {
        errno = EIO;
        return -1;
    }
    using OpenFn = int (*)(const char*, int, ...);
    static const auto realOpen = reinterpret_cast<OpenFn>(dlsym(RTLD_NEXT, "open64"));
    return realOpen(path, flags, mode);
}
