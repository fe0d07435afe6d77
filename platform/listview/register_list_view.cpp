#include "platform/listview/register_list_view.h"

#include "platform/forms/designer_loader.h"
#include "platform/listview/list_view.h"

namespace platform {

void RegisterListViewKind() {
    designer::RegisterKind(QStringLiteral("ListView"),
                           [](QWidget* parent, const designer::ControlSpec& spec) {
                               auto* list = new ListView(parent);
                               designer::ApplyCommon(list, spec);
                               return list;
                           });
}

}  // namespace platform
