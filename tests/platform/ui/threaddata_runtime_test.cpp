// Record buffers kept per procedure thread, as the runtime switches them:
// a thread waiting in ask() finds its own record again whatever another
// thread wrote meanwhile; what the user types into a window goes into the
// copy of that window's thread; an ended thread's copy is gone.
#include <gtest/gtest.h>

#include <vector>

#include "platform/process/threaddata.h"
#include "tests/platform/ui/uifixture.h"

namespace vorda::ui::test {
namespace {

class ThreadBuffers : public UiTest {
protected:
    void SetUp() override {
        TestRecord cleared{};
        cleared.name.clear();
        cleared.cuit.clear();
        cleared.month.clear();
        cleared.inciso.clear();
        const char* bytes = reinterpret_cast<const char*>(&cleared);
        platform::ThreadData::add(&rec, sizeof rec, {bytes, bytes + sizeof rec});
        rt.start([] {});  // thread 1, the frame's, whose copy the main context shares
        settle();
    }
    void TearDown() override {
        rt.shutdown();
        platform::ThreadData::remove(&rec);
    }

    // A form on its own thread showing `rec`; it puts `name` into its copy,
    // then records the name it finds after each event until closed.
    int startForm(const char* name, std::vector<std::string>& seen, Window*& window) {
        return rt.start([this, name, &seen, &window] {
            rec.name.set(name);
            Window w(formDesc(rec));
            window = &w;
            w.open();
            for (Event e = w.ask(); e.kind != EventKind::CloseWindow; e = w.ask())
                seen.push_back(rec.name.str());
            window = nullptr;
        });
    }

    TestRecord rec{};
};

TEST_F(ThreadBuffers, a_waiting_thread_finds_its_own_record_whatever_another_wrote) {
    std::vector<std::string> seenA;
    std::vector<std::string> seenB;
    Window* a = nullptr;
    Window* b = nullptr;
    startForm("Agente A", seenA, a);
    startForm("Agente B", seenB, b);
    settle();
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(input().focus(a->id(), Ctl::CUIT), InputResult::Done);
    settle();
    EXPECT_EQ(input().focus(b->id(), Ctl::CUIT), InputResult::Done);
    settle();
    ASSERT_FALSE(seenA.empty());
    ASSERT_FALSE(seenB.empty());
    EXPECT_EQ(seenA.back(), "Agente A");
    EXPECT_EQ(seenB.back(), "Agente B");
    EXPECT_EQ(a->control(Ctl::NAME).text(), "Agente A");
    EXPECT_EQ(b->control(Ctl::NAME).text(), "Agente B");
    EXPECT_EQ(rec.name.str(), "") << "outside every fiber thread 1's copy is untouched";
}

TEST_F(ThreadBuffers, typed_text_is_stored_into_the_copy_of_the_windows_thread) {
    std::vector<std::string> seenA;
    std::vector<std::string> seenB;
    Window* a = nullptr;
    Window* b = nullptr;
    startForm("Agente A", seenA, a);
    startForm("Agente B", seenB, b);
    settle();
    ASSERT_EQ(input().type(a->id(), Ctl::NAME, "Nuevo A"), InputResult::Done);
    ASSERT_EQ(input().leave(a->id()), InputResult::Done);  // stored from outside the fibers
    settle();
    ASSERT_EQ(input().focus(b->id(), Ctl::CUIT), InputResult::Done);
    settle();
    ASSERT_FALSE(seenA.empty());
    ASSERT_FALSE(seenB.empty());
    EXPECT_EQ(seenA.back(), "Nuevo A");
    EXPECT_EQ(seenB.back(), "Agente B");
}

TEST_F(ThreadBuffers, a_thread_that_ended_leaves_nothing_behind_for_the_next) {
    std::string found;
    rt.start([this] { rec.name.set("primero"); });
    settle();
    rt.start([this, &found] { found = rec.name.str(); });
    settle();
    EXPECT_EQ(found, "");
}

}  // namespace
}  // namespace vorda::ui::test
