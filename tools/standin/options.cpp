#include "options.h"

const char* const kUsage =
    "用法: marlquin-standin [选项]\n"
    "  --member-port N     会员服务器端口（0 = 任选空闲端口，默认）\n"
    "  --page-port N       评测页面主机端口\n"
    "  --index-port N      指数页面主机端口\n"
    "  --accounts FILE     帐户文件（每行: 用户名<TAB>密码<TAB>状态）\n"
    "  --data FILE         股票数据 Data.dat\n"
    "  --log FILE          请求日志（每行: 方法 路径?查询 毫秒时间）\n"
    "  --site-domain D     指数页面中站内链接的域名（默认评测页面主机的 127.0.0.1:端口）\n"
    "  --exit-with-parent  父进程结束时随之退出\n"
    "  --help              显示本说明\n"
    "就绪后输出一行: READY member=… page=… index=…\n";

namespace {

bool parsePort(const QString& text, int& port) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > 65535) return false;
    port = value;
    return true;
}

}  // namespace

ParsedOptions ParseOptions(const QStringList& arguments) {
    ParsedOptions parsed;
    Options& o = parsed.options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        if (name == QStringLiteral("--exit-with-parent")) {
            o.exitWithParent = true;
            continue;
        }
        if (name == QStringLiteral("--help")) {
            o.help = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            parsed.error = QStringLiteral("未知选项或缺少取值：%1").arg(name);
            return parsed;
        }
        const QString value = arguments[++i];
        bool ok = true;
        if (name == QStringLiteral("--member-port"))
            ok = parsePort(value, o.memberPort);
        else if (name == QStringLiteral("--page-port"))
            ok = parsePort(value, o.pagePort);
        else if (name == QStringLiteral("--index-port"))
            ok = parsePort(value, o.indexPort);
        else if (name == QStringLiteral("--accounts"))
            o.accountsPath = value;
        else if (name == QStringLiteral("--data"))
            o.dataPath = value;
        else if (name == QStringLiteral("--log"))
            o.logPath = value;
        else if (name == QStringLiteral("--site-domain"))
            o.siteDomain = value;
        else {
            parsed.error = QStringLiteral("未知选项：%1").arg(name);
            return parsed;
        }
        if (!ok) {
            parsed.error = QStringLiteral("端口“%1”无效：应为 0 到 65535 之间的整数").arg(value);
            return parsed;
        }
    }
    return parsed;
}
