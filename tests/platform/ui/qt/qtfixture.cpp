// The Qt test fixture.
#include "tests/platform/ui/qt/qtfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>

#include "framework/frametoolbar.h"
#include "tests/support/offscreenapp.h"

// The font library keeps process-wide caches that the leak checker of the
// sanitizer build would report as ours. The name is the sanitizer's.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace vorda::ui::qt::test {

WindowDesc frameDesc() {
    WindowDesc d{.caption = "VORDA", .font = "Arial", .bold = true, .flags = window::Frame};
    d.menus = {
        {.text = "&Archivo",
         .items = {{.number = 1,
                    .text = "Configurar Im&presora ...",
                    .tip = "Configurar la impresora",
                    .action = StandardAction::PrintSetup},
                   {.number = 3,
                    .text = "&Salir",
                    .tip = "Salir de la Aplicacion",
                    .action = StandardAction::Exit}}},
        {.text = "&Tablas", .items = {{.number = 7, .text = "Agentes", .tip = "Browse Agentes"}}},
        {.text = "&Ventana",
         .tip = "Crea y Ordena Ventanas",
         .items = {{.number = 8,
                    .text = "&Mosaico",
                    .tip = "Todas las ventanas visibles",
                    .action = StandardAction::Tile}},
         .windowList = true},
    };
    d.toolbar = frameToolbarButtons();
    return d;
}

void relayingFrame() {
    Runtime& rt = Runtime::current();
    Window w(frameDesc());
    w.open();
    for (Event e = w.ask(); e.kind != EventKind::CloseWindow && e.kind != EventKind::CloseDown;
         e = w.ask()) {
        if (e.kind != EventKind::Accepted || e.control.value() < 2000 || e.control.value() > 2012)
            continue;
        const auto all = rt.windows();
        const auto child = std::find_if(all.begin(), all.end(), [&w](const Window* x) {
            return x != &w && (x->desc().flags & window::Frame) == 0;
        });
        if (child != all.end())
            rt.post(e, (*child)->thread());
    }
}

void Child::operator()() const {
    Window w(desc);
    w.open();
    log->id = w.id();
    log->thread = w.thread();
    if (onOpen)
        onOpen(w);
    for (Event e = w.ask(); e.kind != EventKind::CloseWindow && e.kind != EventKind::CloseDown;
         e = w.ask()) {
        log->events.push_back(e);
        if (onEvent)
            onEvent(w, e);
    }
    log->ended = true;
}

bool Child::saw(EventKind kind, ControlId control) const {
    return std::any_of(log->events.begin(), log->events.end(), [&](const Event& e) {
        return e.kind == kind && (!control || e.control == control);
    });
}

void QtTest::SetUpTestSuite() {
    vorda::test::startOffscreenApplication("platform_ui_qt_test");
}

bool QtTest::pump(const std::function<bool()>& done, int ms) {
    return vorda::test::pumpUntil(done, ms);
}

void QtTest::pumpFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

std::shared_ptr<Child::Log> QtTest::open(Child child) {
    std::shared_ptr<Child::Log> log = child.log;
    rt.start(std::move(child));
    EXPECT_TRUE(pump([&] { return log->id != 0 && backend.windowWidget(log->id) != nullptr; }));
    pumpFor(20);
    return log;
}

}  // namespace vorda::ui::qt::test
