#include "StatisticsFile.h"
