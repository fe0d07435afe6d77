#pragma once

#include "options.h"

// Loads the accounts and stock names, binds the three servers, prints the
// ready line and serves until SIGTERM, SIGINT or SIGHUP. Returns the exit
// code of a failed start; after a stop the process ends here.
int RunStandin(const Options& options);
