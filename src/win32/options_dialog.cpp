#include "win32/options_dialog.h"
