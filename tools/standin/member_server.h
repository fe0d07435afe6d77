#pragma once

#include <httplib.h>

#include "accounts.h"
#include "stop_flag.h"

// The member server: "/velmora/login.asp?u=..&p=.." answers from the
// accounts; "FindPwd.asp", "Register.asp" and "Ads.html" are pages; "/" is the
// product's home page.
void AddMemberRoutes(httplib::Server& server, const Accounts& accounts, StopFlag& stop);
