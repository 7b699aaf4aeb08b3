#include "TabTable.h"
