// report_bench: the Annex II report of a declaration with many lines, on the
// Qt backend (offscreen), as the user meets it.
//
// Seeds a fresh temporary directory with one agent, one declaration and N
// Annex II lines, then runs IMPRIMIR_ANEXOII and measures:
//   - start to the preview showing its first page (drawn);
//   - the longest stretch the event loop was kept busy while the report ran
//     (a timer tick's work: the window's responsiveness and "Cancelar");
//   - turning a page in the preview (median and longest of 30 turns);
//   - writing every page to a PDF;
//   - the peak resident memory of the whole run.
//
//   report_bench [lines]     (default: 100000)
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/peakmemory.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "framework/errorclass.h"
#include "framework/previewwindows.h"
#include "platform/ui/qt/childframe.h"
#include "platform/ui/qt/formview.h"
#include "platform/ui/qt/pagerender.h"
#include "platform/ui/qt/pageview.h"
#include "platform/ui/qt/qtbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "reports/imprimir_anexos.h"
#include "tests/support/declarationseed.h"

namespace {

using namespace vorda;

void pumpUntil(const std::function<bool()>& done) {
    while (!done())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

ui::Window* previewWindow(ui::Runtime& rt) {
    for (ui::Window* w : rt.windows()) {
        if (w->caption() == "Report Preview")
            return w;
    }
    return nullptr;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void seedDeclaration(int lines) {
    QElapsedTimer clock;
    clock.start();
    seed::addAgent("1/23.45.678");
    seed::addDeclaration("1/23.45.678", "20050500");
    seed::addAnnexIIGenerated("1/23.45.678", "20050500", lines);
    std::printf("seeded %d lines in %.1f s\n", lines, clock.elapsed() / 1000.0);
}

}  // namespace

int main(int argc, char** argv) {
    const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vorda-report-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    GlobalErrors().Init();
    DctInit();
    seedDeclaration(lines);
    AGENTE_PERIODO.set("1/23.45.67820050500");
    {
        ui::qt::QtBackend backend;
        ui::Runtime rt(backend);
        // The longest gap between two turns of the event loop while the report runs.
        QElapsedTimer gap;
        qint64 longest = 0;
        QTimer heartbeat;
        heartbeat.setInterval(0);
        QObject::connect(&heartbeat, &QTimer::timeout,
                         [&] { longest = std::max(longest, gap.restart()); });
        QElapsedTimer clock;
        clock.start();
        gap.start();
        heartbeat.start();
        bool ended = false;
        rt.start([&ended] {
            IMPRIMIR_ANEXOII();
            ended = true;
        });
        ui::qt::PageView* view = nullptr;
        pumpUntil([&] {
            ui::Window* w = previewWindow(rt);
            ui::qt::FormView* form = w != nullptr ? backend.form(w->id()) : nullptr;
            view = form != nullptr
                       ? qobject_cast<ui::qt::PageView*>(form->widget(PreviewCtl::PageView))
                       : nullptr;
            return view != nullptr && view->firstShown() == 1;
        });
        view->resize(900, 1200);
        view->viewport()->repaint();
        const double first = clock.elapsed() / 1000.0;
        heartbeat.stop();
        ui::Window* preview = previewWindow(rt);
        ui::qt::ChildFrame* bars = backend.childFrame(preview->id());
        const int pages = view->pageLayout().page > 0
                              ? preview->control(PreviewCtl::PageView).document()->pageCount()
                              : 0;
        std::printf("pages: %d\n", pages);
        std::printf("start to first page shown: %.2f s\n", first);
        std::printf("longest busy stretch of the event loop while running: %lld ms\n",
                    static_cast<long long>(longest));
        std::vector<double> turns;
        for (int i = 0; i < 30; ++i) {
            QElapsedTimer t;
            t.start();
            const int before = view->firstShown();
            bars->action(PreviewCtl::NextPage)->trigger();
            pumpUntil([&] { return view->firstShown() != before; });
            view->viewport()->repaint();
            turns.push_back(t.nsecsElapsed() / 1e6);
        }
        std::printf("page turn: median %.1f ms, longest %.1f ms\n", median(turns),
                    *std::max_element(turns.begin(), turns.end()));
        QElapsedTimer pdf;
        pdf.start();
        const std::string error = ui::qt::writePdf(
            *preview->control(PreviewCtl::PageView).document(), (dir / "anexoii.pdf").string());
        std::printf("PDF of all pages: %.2f s (%s, %.1f MB)\n", pdf.elapsed() / 1000.0,
                    error.empty() ? "written" : error.c_str(),
                    QFileInfo(QString::fromStdString((dir / "anexoii.pdf").string())).size() / 1e6);
        bars->action(PreviewCtl::Exit)->trigger();
        pumpUntil([&] { return ended; });
        std::printf("peak resident memory: %.0f MB\n", bench::peakRssKiB() / 1024.0);
        rt.shutdown();
    }
    DctKill();
    GlobalErrors().Kill();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(dir);
    return 0;
}
