#include <gtest/gtest.h>

#include "app/frame_tick.h"
#include "app/object_list.h"
#include "support/program_fixture.h"
#include "recording_entity.h"

namespace {

using Log = std::vector<std::string>;

class ObjectListTest : public ProgramTest {
protected:
    Log log;
    RecordingEntity* a = nullptr;
    RecordingEntity* b = nullptr;
    RecordingEntity* c = nullptr;
};

TEST_F(ObjectListTest, TickDrivesEachObjectInInsertionOrder) {
    a = AddRecording("A", log);
    b = AddRecording("B", log);
    FrameTick();
    EXPECT_EQ(log, (Log{"A.toggle", "A.update", "A.toggle", "B.toggle", "B.update", "B.toggle"}));
}

TEST_F(ObjectListTest, DeadObjectIsRemovedBeforeItsDestructionAndTheRestGoOnInTheSameTick) {
    a = AddRecording("A", log);
    b = AddRecording("B", log);
    c = AddRecording("C", log);
    a->alive = false;
    a->onDestroy = [this] { AddRecording("D", log); };  // the explosion's debris
    FrameTick();
    EXPECT_EQ(log, (Log{"A.toggle", "A.destroyed", "A.delete",  // erased, removed, exploded, deleted
                        "B.toggle", "B.update", "B.toggle",     // former entry 1
                        "C.toggle", "C.update", "C.toggle",     // former entry 2
                        "D.toggle", "D.update", "D.toggle"}));  // the debris, primed and drawn
    ASSERT_EQ(ObjectList.size(), 3u);
    EXPECT_EQ(ObjectList[0].get(), b);
    EXPECT_EQ(ObjectList[1].get(), c);
}

TEST_F(ObjectListTest, RemovalKeepsTheOrderOfTheOthers) {
    a = AddRecording("A", log);
    b = AddRecording("B", log);
    c = AddRecording("C", log);
    b->alive = false;
    FrameTick();
    ASSERT_EQ(ObjectList.size(), 2u);
    EXPECT_EQ(ObjectList[0].get(), a);
    EXPECT_EQ(ObjectList[1].get(), c);
    c->alive = false;
    a->alive = false;
    FrameTick();
    EXPECT_TRUE(ObjectList.empty());
}

TEST_F(ObjectListTest, ClearErasesAndDeletesEverythingIncludingWhatDestructorsAppend) {
    a = AddRecording("A", log);
    b = AddRecording("B", log);
    // Like a ship, whose destructor leaves debris clouds behind.
    a->onDelete = [this] {
        AddRecording("D1", log);
        AddRecording("D2", log);
    };
    ClearObjects();
    EXPECT_EQ(log, (Log{"A.toggle", "A.delete", "B.toggle", "B.delete", "D1.toggle", "D1.delete",
                        "D2.toggle", "D2.delete"}));
    EXPECT_TRUE(ObjectList.empty());
}

TEST_F(ObjectListTest, FailedCreationAppendsNothing) {
    AddObject(nullptr);
    EXPECT_TRUE(ObjectList.empty());
}

TEST_F(ObjectListTest, EmptyListTickOnlyPacesAndRunsTheRest) {
    FrameTick();
    EXPECT_TRUE(ObjectList.empty());
    EXPECT_TRUE(log.empty());
}

}  // namespace
