#include "ErrorBoundary.h"

#include "UserDialogs.h"

namespace sorvanta {

void ErrorBoundary::report(const QString& message) noexcept
{
    dialogs_.error(&owner_, message);
}

}  // namespace sorvanta
