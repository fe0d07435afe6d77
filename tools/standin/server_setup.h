#pragma once

#include <httplib.h>

#include "request_log.h"

// What every server of the stand-in shares: an exclusive port, short
// keep-alive, a bound on request bodies, the request log and a 404 page.
void PrepareServer(httplib::Server& server, RequestLog& log);
