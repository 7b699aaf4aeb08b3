// The open() and open64() defined below must not meet the fortified inline ones.
#undef _FORTIFY_SOURCE

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

namespace {

using OpenFn = int (*)(const char*, int, ...);

int openUnlessFailing(const char* realName, const char* path, int flags, mode_t mode)
{
    const QByteArray& failing = failingPath();
    if (!failing.isEmpty() && (flags & O_ACCMODE) == O_RDONLY && std::strcmp(path, failing.constData()) == 0) {
        errno = EIO;
        return -1;
    }
    const auto realOpen = reinterpret_cast<OpenFn>(dlsym(RTLD_NEXT, realName));
    return realOpen(path, flags, mode);
}

mode_t modeArgument(int flags, va_list args)
{
    const bool creates = (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
    return creates ? va_arg(args, mode_t) : 0;
}

}  // namespace

// Defined in the executable, these take the place of the C library's functions
// for QtCore too; every call but the failing one goes on to the real function.
extern "C" int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openUnlessFailing("open64", path, flags, mode);
}

extern "C" int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openUnlessFailing("open", path, flags, mode);
}
