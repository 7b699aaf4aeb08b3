#include "ListOrder.h"
