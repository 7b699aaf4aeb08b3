#include "KeywordTally.h"
