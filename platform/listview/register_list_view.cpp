#include "platform/listview/register_list_view.h"

#include "platform/forms/designer_loader.h"
#include "platform/listview/list_view.h"

namespace platform::listview {

void RegisterListViewKind() {
    forms::RegisterKind(QStringLiteral("ListView"),
                        [](QWidget* parent, const forms::DesignEntry& design) {
                            auto* list = new ListView(parent);
                            forms::ApplyCommon(list, design);
                            return list;
                        });
}

}  // namespace platform::listview
