#include "app/object_list.h"

std::vector<std::unique_ptr<Entity>> ObjectList;

void AddObject(std::unique_ptr<Entity> object) {
    if (object) ObjectList.push_back(std::move(object));
}

void ClearObjects() {
    // The count is read again on every pass: destructors may append.
    for (std::size_t i = 0; i < ObjectList.size(); ++i) {
        std::unique_ptr<Entity> object = std::move(ObjectList[i]);
        object->toggleDraw();
        object.reset();
    }
    ObjectList.clear();
    ObjectList.shrink_to_fit();
}
