#include "QtDesktopShell.h"
