// ddjj_bench: the declaration form's own work on a large and a small
// declaration, and the delete of a declaration with all of its lines.
//
// In a fresh temporary directory: one agent, a declaration with N Annex II
// lines and 20 Annex III lines for each N given. Through the real program
// (DDJJ:FICHA on the headless backend, as the user drives it) it times:
//   open      starting the change form, then bringing the "Anexo II" and
//             "Anexo III" tabs to the front (each inner list filled)
//   page down one page down in the Annex II list, from its first page
//   end       a jump to the end of the Annex II list, from its first page
// each the median of 15 runs; then, once per declaration, the delete of the
// declaration through its relation manager (the cascade over its lines, in
// one transaction), checking that no line is left.
//
//   ddjj_bench [lines ...]      (default: 100000 100)
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/peakmemory.h"
#include "data/agentes.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "declarations/ddjj_ficha.h"
#include "framework/errorclass.h"
#include "framework/requestglobals.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/transaction.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace {

using namespace vorda;
using Clock = std::chrono::steady_clock;
using Ctl = DdjjFichaCtl;

constexpr int Runs = 15;
constexpr int AnnexIIILines = 20;

// Declaration i (0-based) of the agent: month i + 1 of 2001.
std::string keyOf(size_t i) {
    char key[24];
    std::snprintf(key, sizeof key, "1/00.00.0012001%02zu00", i % 12 + 1);
    return key;
}

bool addLines(const std::string& key, long lines) {
    if (Access::ANEXOII->UseFile() != Benign)
        return false;
    for (long done = 0; done < lines;) {
        store::Transaction tx;
        if (tx.begin({Access::ANEXOII->File}, 2) != store::Ok)
            return false;
        for (long end = std::min(lines, done + 10000); done < end; ++done) {
            A2.clear();
            A2.AGENTE_PERIODO.set(key);
            A2.DOCUMENTO.set("Pagaré");
            A2.INCISO.set("b");
            A2.FECHA_DOCUMENTO = *Date::fromYmd(2001, 3, 15);
            A2.CONTRATANTE.set("Contratante " + std::to_string(done + 1));
            A2.NRO_ORDEN = static_cast<int32_t>(done + 1);
            A2.VALOR = Decimal::fromInteger(50000 + done);
            A2.ALICUOTA = Decimal::fromHundredths(120);
            A2.IMPUESTO = A2.VALOR.percentOf(A2.ALICUOTA);
            if (Access::ANEXOII->File->add() != store::Ok)
                return false;
        }
        if (tx.commit() != store::Ok)
            return false;
    }
    return true;
}

bool addDeclaration(const std::string& key, long lines) {
    DDJ.clear();
    DDJ.AGENTE_PERIODO.set(key);
    if (Access::DDJJ->Insert() != Benign || !addLines(key, lines))
        return false;
    for (int i = 1; i <= AnnexIIILines; ++i) {
        A3.clear();
        A3.AGENTE_PERIODO.set(key);
        A3.CONTRATANTE.set("Exento " + std::to_string(i));
        A3.VALOR = Decimal::fromInteger(int64_t{1000} * i);
        if (Access::ANEXOIII->Insert() != Benign)
            return false;
    }
    return true;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Drives the form as the user does, on the headless backend.
class Driver {
public:
    explicit Driver(ui::Runtime& rt, ui::HeadlessBackend& backend) : rt_(rt), backend_(backend) {}

    // Starts the change form of `key` and brings both annex tabs to the front.
    // As the list does it, on the form's own thread: the declaration is read
    // into that thread's record, then the form is called.
    void open(const std::string& key) {
        rt_.start([key] {
            Relate::DDJJ->Open();
            DDJ.AGENTE_PERIODO.set(key);
            Access::DDJJ->Fetch(Ddjj::DDJJ);
            GlobalRequest = RequestChange;
            DDJJ_FICHA();
            Relate::DDJJ->Close();
        });
        settle();
        form_ = rt_.active();
        choose("Anexo II");
        choose("Anexo III");
    }
    void choose(const char* tab) {
        rt_.input().choose(form_->id(), Ctl::CurrentTab, tab);
        settle();
    }
    void scroll(ui::EventKind kind) {
        rt_.input().scroll(form_->id(), Ctl::List, kind);
        settle();
    }
    void close() {
        rt_.input().press(form_->id(), Ctl::Cancel);
        settle();
    }
    size_t rows(Ctl list) const { return form_->control(list).rows().size(); }
    // The contracting party of the list's last row.
    std::string lastParty(Ctl list) const {
        const auto& rows = form_->control(list).rows();
        return rows.empty() ? std::string() : rows.back()[2];
    }

private:
    void settle() { backend_.settle(rt_); }

    ui::Runtime& rt_;
    ui::HeadlessBackend& backend_;
    ui::Window* form_ = nullptr;
};

struct Figures {
    double open = 0, page = 0, end = 0, remove = 0;
    bool checked = true;
};

Figures measureForm(Driver& form, const std::string& key, long lines) {
    Figures f;
    std::vector<double> open;
    for (int i = 0; i < Runs; ++i) {
        const auto start = Clock::now();
        form.open(key);
        open.push_back(msSince(start));
        f.checked = f.checked && form.rows(Ctl::List2) > 0 && form.rows(Ctl::List) > 0;
        form.close();
    }
    f.open = median(open);
    form.open(key);
    form.choose("Anexo II");
    std::vector<double> page, end;
    for (int i = 0; i < Runs; ++i) {
        form.scroll(ui::EventKind::ScrollTop);
        auto start = Clock::now();
        form.scroll(ui::EventKind::PageDown);
        page.push_back(msSince(start));
        form.scroll(ui::EventKind::ScrollTop);
        start = Clock::now();
        form.scroll(ui::EventKind::ScrollBottom);
        end.push_back(msSince(start));
    }
    f.checked = f.checked && form.lastParty(Ctl::List) == "Contratante " + std::to_string(lines);
    form.close();
    f.page = median(page);
    f.end = median(end);
    return f;
}

// The declaration is deleted as the form's "Aceptar" deletes it, on a
// procedure thread with the tables open there.
double measureDelete(const std::string& key, bool& checked) {
    DDJ.AGENTE_PERIODO.set(key);
    Access::DDJJ->Fetch(Ddjj::DDJJ);
    const auto start = Clock::now();
    const Level level = Relate::DDJJ->DeleteOnce();
    const double ms = msSince(start);
    A2.clear();
    A2.AGENTE_PERIODO.set(key);
    Access::ANEXOII->SetKey(AnexoII::ANEXOII);
    const bool lineLeft = Access::ANEXOII->TryNext() == Benign && A2.AGENTE_PERIODO.raw() == key;
    checked = level == Benign && !lineLeft;
    return ms;
}

int run(const std::vector<long>& sizes) {
    AGE.clear();
    AGE.NRO_AGENTE.set("1/00.00.001");
    if (Relate::DDJJ->Open() != Benign || Access::AGENTES->Insert() != Benign) {
        std::printf("the tables cannot be set up\n");
        return 1;
    }
    for (size_t i = 0; i < sizes.size(); ++i) {
        const long lines = sizes[i];
        const auto start = Clock::now();
        if (!addDeclaration(keyOf(i), lines)) {
            std::printf("the declaration with %ld lines cannot be stored\n", lines);
            return 1;
        }
        std::printf("declaration with %6ld Annex II lines stored in %.1f s\n", lines,
                    msSince(start) / 1000);
    }
    int status = 0;
    ui::HeadlessBackend backend;
    {
        ui::Runtime rt(backend);
        Driver form(rt, backend);
        for (size_t i = 0; i < sizes.size(); ++i) {
            const long lines = sizes[i];
            const Figures f = measureForm(form, keyOf(i), lines);
            bool deleted = false;
            double remove = 0;
            rt.start([&] {
                Relate::DDJJ->Open();
                remove = measureDelete(keyOf(i), deleted);
                Relate::DDJJ->Close();
            });
            backend.settle(rt);
            std::printf(
                "%6ld lines: open with both lists %.3f ms  page down %.3f ms  end %.3f ms  "
                "delete with its lines %.1f ms%s\n",
                lines, f.open, f.page, f.end, remove,
                f.checked && deleted ? "" : "  (CHECK FAILED)");
            if (!f.checked || !deleted)
                status = 1;
        }
        rt.shutdown();
    }
    Relate::DDJJ->Close();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atol(argv[i]));
    if (sizes.empty())
        sizes = {100000, 100};
    const auto dir =
        std::filesystem::temp_directory_path() / ("ddjj_bench." + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    GlobalErrors().Init();
    ClearDataGlobals();
    DctInit();
    const int status = run(sizes);
    DctKill();
    GlobalErrors().Kill();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
    std::printf("peak RSS: %ld KB\n", bench::peakRssKiB());
    return status;
}
