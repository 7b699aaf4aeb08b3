#include "Unit2.h"
