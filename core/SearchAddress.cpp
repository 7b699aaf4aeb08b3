#include "SearchAddress.h"
