#include "ui/globals.h"

eString newname[kRowCount];
eString path_new;
