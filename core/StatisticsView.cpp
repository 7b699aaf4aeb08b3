#include "StatisticsView.h"
