#pragma once

// A stand-in game object that writes each call it receives into a shared
// log, so tests can check the order in which the frame tick and the object
// list drive objects. It can append objects of its own when it is destroyed
// or deleted, as the real explosions do.

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/object_list.h"
#include "objects/entity.h"

class RecordingEntity final : public Entity {
public:
    RecordingEntity(std::string name, std::vector<std::string>& log)
        : Entity(EntityKind::Debris, {}), name_(std::move(name)), log_(log) {}
    ~RecordingEntity() override {
        log_.push_back(name_ + ".delete");
        if (onDelete) onDelete();
    }

    void onDestroyed() override {
        const bool stillListed = std::any_of(ObjectList.begin(), ObjectList.end(),
                                             [this](const auto& o) { return o.get() == this; });
        log_.push_back(name_ + (stillListed ? ".destroyed-while-listed" : ".destroyed"));
        if (onDestroy) onDestroy();
    }
    void drawShape() override { log_.push_back(name_ + ".drawShape"); }
    void toggleDraw() override { log_.push_back(name_ + ".toggle"); }
    void update() override { log_.push_back(name_ + ".update"); }

    std::function<void()> onDestroy;
    std::function<void()> onDelete;

private:
    std::string name_;
    std::vector<std::string>& log_;
};

// Appends a new recording entity and returns it (the list owns it).
inline RecordingEntity* AddRecording(const std::string& name, std::vector<std::string>& log) {
    auto object = std::make_unique<RecordingEntity>(name, log);
    RecordingEntity* raw = object.get();
    AddObject(std::move(object));
    return raw;
}
