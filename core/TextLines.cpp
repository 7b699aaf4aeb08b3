#include "TextLines.h"
