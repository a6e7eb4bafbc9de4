// browse_bench: the list manager's own work over a large and a small table.
//
// Builds an agents-like table (number, name; keys by number and by name,
// the name key case-insensitive) of N rows in a fresh temporary directory,
// then times, on a 20-row page ordered by name with a run-time step thumb and
// an incremental locator: the first fill, a page down, a jump to the end, an
// incremental locate of a name (typing 4 characters) and a thumb drag to 50 %.
// Each operation is repeated and the median is printed; then the peak
// resident memory of the whole run.
//
//   browse_bench [rows ...]     (default: 1000000 1000)
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/peakmemory.h"
#include "framework/browseclass.h"
#include "framework/errorclass.h"
#include "framework/filemanager.h"
#include "framework/locatorclass.h"
#include "framework/relationmanager.h"
#include "framework/stepclass.h"
#include "framework/windowmanager.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "platform/store/tabledesc.h"
#include "platform/store/transaction.h"
#include "platform/types/fixedtext.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace {

using namespace vorda;
using Clock = std::chrono::steady_clock;

struct BenchAgent {
    FixedText<11> NRO;
    FixedText<50> NOMBRE;
};
BenchAgent AG{};

const store::TableDesc& benchDesc() {
    using store::FieldKind;
    static const store::TableDesc desc{
        .name = "BAG",
        .prefix = "BAG",
        .fileName = "BenchAgentes.tps",
        .recordSize = sizeof(BenchAgent),
        .recordLength = 61,
        .fields = {{"BAG:NRO", FieldKind::Text, offsetof(BenchAgent, NRO), 11, true},
                   {"BAG:NOMBRE", FieldKind::Text, offsetof(BenchAgent, NOMBRE), 50, true}},
        .keys = {{.name = "BAG:BYNRO", .description = "Por Número", .components = {{1}}},
                 {.name = "BAG:BYNOMBRE",
                  .description = "Por Nombre",
                  .components = {{2}},
                  .unique = false,
                  .noCase = true}}};
    return desc;
}

constexpr const char* syllables[] = {"BA", "CO", "DE", "FI", "GA", "LU", "MA", "NO",
                                     "PE", "RI", "SA", "TO", "VE", "ZU", "HE", "JO"};

std::string nameOf(long n) {
    unsigned long h = static_cast<unsigned long>(n) * 2654435761UL;
    std::string name;
    for (int i = 0; i < 5; ++i, h >>= 4)
        name += syllables[h & 15];
    return name + " " + std::to_string(n);
}

bool fill(FileManager& agents, long rows) {
    for (long done = 0; done < rows;) {
        store::Transaction tx;
        if (tx.begin({agents.File}, 2) != store::Ok)
            return false;
        for (long end = std::min(rows, done + 10000); done < end; ++done) {
            AG.NRO.set(std::to_string(done + 1));
            AG.NOMBRE.set(nameOf(done + 1));
            if (agents.Insert() != Benign)
                return false;
        }
        if (tx.commit() != store::Ok)
            return false;
    }
    return true;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Median milliseconds of `op` over `runs` runs, `prepare` untimed before each.
double timeIt(int runs, const std::function<void()>& prepare, const std::function<void()>& op) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto start = Clock::now();
        op();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return median(ms);
}

void measure(ui::Window& w, RelationManager& relate, long rows) {
    WindowManager manager(w);
    manager.Init();
    BrowseClass list;
    StepStringClass step;
    step.Init(stepflag::Alpha, StepStringClass::LookupMode::Runtime);
    IncrementalLocatorClass locator;
    locator.Init({}, 2, LetterCase::Ignored);
    list.Init(1, &relate, manager);
    list.LastItems = 20;
    list.AddSortOrder(&step, 2);
    list.AddLocator(&locator);
    list.AddField(ui::bindField(AG.NRO));
    list.AddField(ui::bindField(AG.NOMBRE));
    const auto none = [] {};
    const auto top = [&] { list.ScrollEnd(ui::EventKind::ScrollTop); };
    list.ResetSort(Refill::Always);
    // The first page after the view was opened again.
    const double open = timeIt(
        15, [&] { list.Close(); }, [&] { list.ScrollEnd(ui::EventKind::ScrollTop); });
    const double page = timeIt(15, top, [&] { list.ScrollPage(ui::EventKind::PageDown); });
    const double end = timeIt(15, none, [&] { list.ScrollEnd(ui::EventKind::ScrollBottom); });
    const std::string name = nameOf(rows / 2).substr(0, 4);
    const double locate = timeIt(
        15, [&] { locator.Shadow.clear(); },
        [&] {
            for (char c : name)
                locator.TakeKey(static_cast<ui::KeyCode>(c));
        });
    const double drag = timeIt(
        15,
        [&] {
            step.ClearLimits();
            top();
        },
        [&] { list.Drag(50); });
    const auto check = [&](const char* what) {
        if (list.Records() != 20 && list.Records() != static_cast<size_t>(rows))
            std::printf("  check %s: only %zu rows on the page\n", what, list.Records());
    };
    list.ResetSort(Refill::Always);
    check("open");
    list.ScrollPage(ui::EventKind::PageDown);
    check("page");
    std::printf(
        "%8ld rows: open %.3f ms  page down %.3f ms  end %.3f ms  "
        "locate \"%s\" (4 keys) %.3f ms  thumb 50%% %.3f ms\n",
        rows, open, page, end, name.c_str(), locate, drag);
    list.Kill();
    manager.Kill();
}

int runOne(long rows) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("browse_bench." + std::to_string(::getpid()) + "." + std::to_string(rows));
    std::filesystem::create_directories(dir);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    ErrorClass errors;
    errors.Init();
    auto file = store::makeKeyedTable(benchDesc(), &AG);
    file->setOwner("BenchOwner12");
    int status = 0;
    {
        FileManager agents;
        agents.Init(file.get(), &errors);
        agents.AddKey(1, "Por Número");
        agents.AddKey(2, "Por Nombre");
        RelationManager relate;
        relate.Init(&agents, Framing::None);
        agents.LazyOpen = 0;
        relate.Open();
        const auto start = Clock::now();
        if (!fill(agents, rows))
            status = 1;
        std::printf("%8ld rows inserted in %.1f s\n", rows,
                    std::chrono::duration<double>(Clock::now() - start).count());
        ui::HeadlessBackend backend;
        ui::Runtime rt(backend);
        rt.start([&] {
            ui::Window w(ui::WindowDesc{
                .caption = "Bench", .controls = {{.number = 1, .kind = ui::ControlKind::List}}});
            w.open();
            measure(w, relate, rows);
        });
        backend.settle(rt);
        rt.shutdown();
        relate.Close();
        relate.Kill();
        agents.Kill();
    }
    file.reset();
    errors.Kill();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atol(argv[i]));
    if (sizes.empty())
        sizes = {1000000, 1000};
    int status = 0;
    for (long rows : sizes)
        status |= runOne(rows);
    std::printf("peak RSS: %ld KB\n", bench::peakRssKiB());
    return status;
}
