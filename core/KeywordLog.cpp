#include "KeywordLog.h"
