#include "WebEngineRuntime.h"

#include <QCoreApplication>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace sorvanta {

void prepareWebEngineRuntime()
{
#ifdef Q_OS_UNIX
    // The browser's sandbox refuses to start as root; only then do without it.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace sorvanta
