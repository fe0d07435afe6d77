#include "app/Frmmain/PageTable.h"

#include <array>
#include <vector>

#include "platform/config/config_values.h"

namespace PageTable {
namespace {

using Paths = std::vector<const char*>;

const std::array<Paths, kCategories>& paths() {
    static const std::array<Paths, kCategories> table = {{
        {"/new/ggpc/ggts/"},
        {"/new/ggpc/zldp/", "/new/ggpc/zlcc/", "/new/ggpc/zlcb/", "/new/ggpc/zlhl/",
         "/new/ggpc/zlsp/"},
        // The code and ".shtml" both go into the query value.
        {"/new/ggpc/sp/hszj.shtml?secucode=", "/new/ggpc/topeyess/", "/new/ggpc/topeyesh/"},
        {"/new/ggpc/jgpc/", "/new/ggpc/cypc/", "/new/ggpc/pmpc/", "/new/ggpc/dzjy/"},
        {"/new/ggpc/yjqs/", "/new/ggpc/jzpc/", "/new/ggpc/czx/", "/new/ggpc/ylnl/",
         "/new/ggpc/yygl/", "/new/ggpc/gsgm/"},
        {"/new/tgc/mryg_new.shtml", "/new/ggpc/xt/scd.shtml", "/new/ggpc/xt/fz.shtml",
         "/new/ggpc/xt/sjx.shtml", "/new/ggpc/xt/bx.shtml", "/new/ggpc/xt/tjx.shtml",
         "/new/ggpc/xt/jx.shtml"},
    }};
    return table;
}

}  // namespace

int TabCount(int category) {
    if (category < 0 || category >= kCategories) return 0;
    return static_cast<int>(paths()[static_cast<size_t>(category)].size());
}

QString Address(int category, int tab) {
    if (tab < 0 || tab >= TabCount(category)) return {};
    return platform::config::PageHost() +
           QLatin1String(paths()[static_cast<size_t>(category)][static_cast<size_t>(tab)]);
}

}  // namespace PageTable
