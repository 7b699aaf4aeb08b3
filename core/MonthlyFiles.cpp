#include "MonthlyFiles.h"
