#include "WebEngineRuntime.h"
