#pragma once

#include <QString>

// The logged-in member's user name, exactly as typed; empty for a guest.
extern QString CurrentUser;
