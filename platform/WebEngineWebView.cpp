#include "WebEngineWebView.h"
