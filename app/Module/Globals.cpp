#include "app/Module/Globals.h"

QString CurrentUser;
