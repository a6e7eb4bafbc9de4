// The program's tables kept per procedure thread: each thread has its own
// record buffer, its own place in the table and its own physical open.
//   - a thread reading on from its place after another thread moved through
//     the table (and left another record in its buffer) goes on from its own
//   - a change saved by a thread goes to its own record, not the other's
//   - a thread's physical open is its own: an exclusive open fails while any
//     thread has the table open, and works once every thread has closed it or
//     ended, even a thread that never closed it
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "data/owners.h"
#include "platform/store/codes.h"
#include "platform/store/makekeyedtable.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "tests/data/datafixture.h"

namespace vorda::test {
namespace {

// A procedure thread that waits in its window and runs, for each Accepted
// event posted to it, the step registered under the event's control number.
class Worker {
public:
    std::map<int, std::function<void()>> steps;
    int thread = 0;

    void start(ui::Runtime& rt) {
        thread = rt.start([this] {
            ui::Window w(ui::WindowDesc{.caption = "worker"});
            w.open();
            for (ui::Event e = w.ask(); e.kind != ui::EventKind::CloseWindow; e = w.ask()) {
                const auto it = steps.find(e.control.value());
                if (e.kind == ui::EventKind::Accepted && it != steps.end())
                    it->second();
            }
        });
    }
};

class ThreadTables : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        ASSERT_EQ(Access::AGENTES->Open(), Benign);
        for (int n = 1; n <= 9; ++n)
            ASSERT_EQ(
                addAgent(n, "20-0000000" + std::to_string(n) + "-0", "Banco " + std::to_string(n)),
                Benign);
        ASSERT_EQ(Access::AGENTES->Close(), Benign);
        rt.start([] {});  // the frame's thread 1
        settle();
        a.start(rt);
        b.start(rt);
        settle();
    }
    void TearDown() override {
        rt.shutdown();
        DataTest::TearDown();
    }
    void settle() { backend.settle(rt); }
    void run(Worker& w, int step) {
        ASSERT_TRUE(rt.post(ui::EventKind::Accepted, step, w.thread));
        settle();
    }
    // Positions on agent `n` in number order and reads it.
    static void readAgent(int n) {
        AGE.NRO_AGENTE.set(agentNumber(n));
        Access::AGENTES->SetKey(Agentes::AGE_NRO);
        ASSERT_EQ(Access::AGENTES->TryFetch(Agentes::AGE_NRO), Benign);
    }
    static std::string nameOf(int n) {
        AGE.NRO_AGENTE.set(agentNumber(n));
        return Access::AGENTES->TryFetch(Agentes::AGE_NRO) == Benign ? AGE.DENOMINACION.str() : "?";
    }

    ui::HeadlessBackend backend;
    ui::Runtime rt{backend};
    Worker a;
    Worker b;
};

TEST_F(ThreadTables, a_thread_reads_on_from_its_own_place_and_keeps_its_record) {
    std::string aHad, aNext, bHad;
    a.steps[1] = [] {
        ASSERT_EQ(Relate::AGENTES->Open(), Benign);
        AGE.NRO_AGENTE.set(agentNumber(3));
        Access::AGENTES->ClearKey(Agentes::AGE_NRO, 2);
        Access::AGENTES->SetKey(Agentes::AGE_NRO);
        ASSERT_EQ(Access::AGENTES->TryNext(), Benign);
    };
    b.steps[1] = [&bHad] {
        ASSERT_EQ(Relate::AGENTES->Open(), Benign);
        Access::AGENTES->ClearKey(Agentes::AGE_NRO);
        Access::AGENTES->SetKey(Agentes::AGE_NRO);
        for (int i = 0; i < 7; ++i)
            ASSERT_EQ(Access::AGENTES->TryNext(), Benign);
        bHad = AGE.NRO_AGENTE.str();
    };
    a.steps[2] = [&aHad, &aNext] {
        aHad = AGE.NRO_AGENTE.str();
        ASSERT_EQ(Access::AGENTES->TryNext(), Benign);
        aNext = AGE.NRO_AGENTE.str();
    };
    run(a, 1);
    run(b, 1);
    run(a, 2);
    EXPECT_EQ(bHad, agentNumber(7));
    EXPECT_EQ(aHad, agentNumber(3));
    EXPECT_EQ(aNext, agentNumber(4));
}

TEST_F(ThreadTables, a_change_saved_by_one_thread_goes_to_its_own_record) {
    std::string aName, bName;
    a.steps[1] = [] {
        ASSERT_EQ(Relate::AGENTES->Open(), Benign);
        readAgent(2);
    };
    b.steps[1] = [] {
        ASSERT_EQ(Relate::AGENTES->Open(), Benign);
        readAgent(8);
    };
    a.steps[2] = [] {
        AGE.DENOMINACION.set("Banco Dos");
        ASSERT_EQ(Access::AGENTES->Update(), Benign);
    };
    b.steps[2] = [&aName, &bName] {
        aName = nameOf(2);
        bName = nameOf(8);
    };
    run(a, 1);
    run(b, 1);
    run(a, 2);
    run(b, 2);
    EXPECT_EQ(aName, "Banco Dos");
    EXPECT_EQ(bName, "Banco 8");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ThreadTables, each_thread_opens_the_file_itself_and_its_end_closes_it) {
    const auto openAndRead = [] {
        ASSERT_EQ(Relate::AGENTES->Open(), Benign);
        readAgent(1);
    };
    a.steps[1] = openAndRead;
    b.steps[1] = openAndRead;
    b.steps[2] = [] { ASSERT_EQ(Relate::AGENTES->Close(), Benign); };
    run(a, 1);
    run(b, 1);
    EXPECT_EQ(Access::AGENTES->GetOpenCount(), 0) << "thread 1 has not opened it";

    auto exclusive = [] {
        Agentes record;
        auto file = store::makeKeyedTable(Agentes::desc(), &record);
        file->setOwner(TABLE_OWNER);
        const int code = file->open(0x12);
        if (code == store::Ok)
            file->close();
        return code;
    };
    run(b, 2);
    EXPECT_EQ(exclusive(), store::AccessDenied) << "thread a still has it open";
    ASSERT_TRUE(rt.post(ui::EventKind::CloseWindow, {}, a.thread));  // a ends, never closing
    settle();
    EXPECT_EQ(exclusive(), store::Ok);
}

}  // namespace
}  // namespace vorda::test
