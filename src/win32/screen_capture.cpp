#include "win32/screen_capture.h"
