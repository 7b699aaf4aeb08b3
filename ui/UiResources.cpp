#include "UiResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function of the global namespace.
static void registerUiResourceData()
{
    Q_INIT_RESOURCE(ui);
}

namespace sorvanta {

void registerUiResources()
{
    registerUiResourceData();
}

}  // namespace sorvanta
