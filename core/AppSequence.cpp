#include "AppSequence.h"
