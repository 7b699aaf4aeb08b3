#include "NavCounters.h"
