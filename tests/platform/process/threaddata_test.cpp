// ThreadData: per-thread copies of registered blocks.
//   Switching - each thread keeps its own copy; a new thread starts from the
//               start image; thread 1 keeps its copy across switches
//   Ending    - an ended thread's copy is gone, its hooks run once
//   Snapshot  - the holder's copies taken and put back
#include "platform/process/threaddata.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace vorda::platform {
namespace {

struct Rec {
    char text[8];
    int number;
};

std::vector<char> imageOf(const Rec& r) {
    const char* bytes = reinterpret_cast<const char*>(&r);
    return {bytes, bytes + sizeof r};
}

class ThreadDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        Rec start{};
        std::memcpy(start.text, "blank  ", 8);
        ThreadData::add(&rec, sizeof rec, imageOf(start));
    }
    void TearDown() override {
        ThreadData::switchTo(1);
        ThreadData::remove(&rec);
        for (int t = 2; t <= 9; ++t)
            ThreadData::threadEnded(t);
    }
    void put(const char* text, int number) {
        std::memset(rec.text, 0, sizeof rec.text);
        std::strncpy(rec.text, text, sizeof rec.text - 1);
        rec.number = number;
    }
    std::string text() const { return rec.text; }

    Rec rec{};
};

TEST_F(ThreadDataTest, each_thread_keeps_its_own_copy_and_a_new_one_starts_from_the_image) {
    put("one", 1);
    ThreadData::switchTo(2);
    EXPECT_EQ(text(), "blank  ");
    EXPECT_EQ(rec.number, 0);
    put("two", 2);
    ThreadData::switchTo(3);
    EXPECT_EQ(text(), "blank  ");
    put("three", 3);
    ThreadData::switchTo(2);
    EXPECT_EQ(text(), "two");
    EXPECT_EQ(rec.number, 2);
    ThreadData::switchTo(1);
    EXPECT_EQ(text(), "one");
    ThreadData::switchTo(3);
    EXPECT_EQ(text(), "three");
    EXPECT_EQ(ThreadData::holder(), 3);
}

TEST_F(ThreadDataTest, a_scope_lends_the_blocks_and_gives_them_back) {
    put("one", 1);
    ThreadData::switchTo(2);
    put("two", 2);
    ThreadData::switchTo(1);
    {
        ThreadDataScope scope(2);
        EXPECT_EQ(text(), "two");
        put("typed", 22);
    }
    EXPECT_EQ(ThreadData::holder(), 1);
    EXPECT_EQ(text(), "one");
    ThreadData::switchTo(2);
    EXPECT_EQ(text(), "typed");
}

TEST_F(ThreadDataTest, an_ended_thread_loses_its_copy_and_its_hooks_run_once) {
    std::vector<int> ended;
    const int hook = ThreadData::addEndHook([&ended](int t) { ended.push_back(t); });
    ThreadData::switchTo(4);
    put("four", 4);
    ThreadData::threadEnded(4);  // ended while holding: thread 1 holds afterwards
    EXPECT_EQ(ThreadData::holder(), 1);
    ThreadData::switchTo(4);
    EXPECT_EQ(text(), "blank  ");
    ThreadData::switchTo(1);
    ThreadData::removeEndHook(hook);
    ThreadData::threadEnded(5);
    EXPECT_EQ(ended, std::vector<int>{4});
}

TEST_F(ThreadDataTest, a_hook_may_remove_itself_while_it_runs) {
    int runs = 0;
    int id = 0;
    id = ThreadData::addEndHook([&](int) {
        ++runs;
        ThreadData::removeEndHook(id);
    });
    ThreadData::threadEnded(6);
    ThreadData::threadEnded(7);
    EXPECT_EQ(runs, 1);
}

TEST_F(ThreadDataTest, a_snapshot_is_put_back_only_into_the_same_blocks) {
    put("saved", 5);
    const ThreadData::Snapshot saved = ThreadData::snapshot();
    put("other", 6);
    ThreadData::restore(saved);
    EXPECT_EQ(text(), "saved");
    EXPECT_EQ(rec.number, 5);

    ThreadData::restore(ThreadData::Snapshot{});  // taken before the block existed
    EXPECT_EQ(text(), "saved");
}

}  // namespace
}  // namespace vorda::platform
