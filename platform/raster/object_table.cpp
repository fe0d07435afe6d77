#include "platform/raster/object_table.h"

#include <unordered_set>

#include "platform/raster/objects.h"

namespace platform::raster::detail {
namespace {

struct Entry {
    Object object;
    bool stock = false;
};

struct Table {
    std::unordered_map<std::uint32_t, Entry> entries;
    std::unordered_set<std::uint32_t> contexts;
    std::uint32_t nextId = 1;
    std::size_t stockCount = 0;
};

Table& table() {
    static Table instance;
    return instance;
}

std::uint32_t Insert(Object object, bool stock) {
    Table& t = table();
    std::uint32_t id = 0;
    while (id == 0 || t.entries.contains(id)) id = t.nextId++;
    if (std::holds_alternative<DcObject>(object)) t.contexts.insert(id);
    t.entries.emplace(id, Entry{std::move(object), stock});
    if (stock) ++t.stockCount;
    return id;
}

}  // namespace

std::uint32_t AddObject(Object object) {
    return Insert(std::move(object), false);
}
std::uint32_t AddStockObject(Object object) {
    return Insert(std::move(object), true);
}

bool IsStock(std::uint32_t id) {
    auto& entries = table().entries;
    auto it = entries.find(id);
    return it != entries.end() && it->second.stock;
}

bool RemoveObject(std::uint32_t id) {
    Table& t = table();
    auto it = t.entries.find(id);
    if (it == t.entries.end() || it->second.stock) return false;
    t.contexts.erase(id);
    t.entries.erase(it);
    return true;
}

Object* FindObject(std::uint32_t id) {
    auto& entries = table().entries;
    auto it = entries.find(id);
    return it == entries.end() ? nullptr : &it->second.object;
}

bool IsSelectedAnywhere(std::uint32_t id) {
    for (std::uint32_t dcId : table().contexts) {
        const DcObject* dc = Find<DcObject>(dcId);
        if (dc->bitmap.id == id || dc->brush.id == id || dc->font.id == id || dc->palette.id == id)
            return true;
    }
    return false;
}

}  // namespace platform::raster::detail

namespace platform::raster {

std::size_t LiveObjectCount() {
    const auto& t = detail::table();
    return t.entries.size() - t.stockCount;
}

bool DeleteObject(HGDIOBJ object) {
    using namespace detail;
    Object* found = FindObject(object.id);
    if (!found || std::holds_alternative<DcObject>(*found) ||
        std::holds_alternative<IconObject>(*found))
        return false;
    if (IsStock(object.id)) return true;
    if (auto* bitmap = std::get_if<BitmapObject>(found); bitmap && bitmap->selectedInto)
        return false;
    if (!std::holds_alternative<BitmapObject>(*found) && IsSelectedAnywhere(object.id))
        return false;
    return RemoveObject(object.id);
}

}  // namespace platform::raster
