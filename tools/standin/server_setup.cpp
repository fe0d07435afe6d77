#include "server_setup.h"

#include "html_page.h"

namespace {

// Each request runs on one worker thread from routing to the logger.
thread_local bool loggedOnArrival = false;

}  // namespace

void PrepareServer(httplib::Server& server, RequestLog& log) {
    // The library's default shares the port (SO_REUSEPORT), which would let a
    // second stand-in start on a busy port and take half its connections.
    server.set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    });
    server.set_keep_alive_timeout(2);
    server.set_payload_max_length(64 * 1024);
    // A request is logged as it arrives, before its answer goes out, so that
    // whoever got the answer finds the line. Requests too malformed to be
    // routed are logged after their error answer.
    server.set_pre_routing_handler([&log](const httplib::Request& req, httplib::Response&) {
        log.Append(req.method, req.target);
        loggedOnArrival = true;
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.set_logger([&log](const httplib::Request& req, const httplib::Response&) {
        if (!loggedOnArrival) log.Append(req.method, req.target);
        loggedOnArrival = false;
    });
    server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.status == 404)
            res.set_content(
                HtmlPage(QStringLiteral("找不到网页"), QStringLiteral("<h1>404 找不到网页</h1>")),
                kHtmlType);
    });
}
