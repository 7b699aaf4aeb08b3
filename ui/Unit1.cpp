#include "Unit1.h"
