#include "KeywordRecorder.h"
