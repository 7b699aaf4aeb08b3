#include "QtUserDialogs.h"
