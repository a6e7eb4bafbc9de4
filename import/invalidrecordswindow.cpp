// The window "Registros no válidos" (see invalidrecords.h).
//
// The list shows one page of the kept records; its scroll events move the
// page over them, as the list manager does over a table.
#include <algorithm>
#include <fstream>

#include "framework/errorclass.h"
#include "framework/windowmanager.h"
#include "import/invalidrecords.h"
#include "platform/process/errorstate.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/output.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::import {

namespace {

enum class Ctl { Count = 1, List, Save, Close };

ui::WindowDesc listDesc(const InvalidRecords& records) {
    using ui::ControlKind;
    return ui::WindowDesc{
        .caption = "Registros no válidos",
        .font = "Arial",
        .fontSize = 8,
        .at = {.x = 0, .y = 0, .width = 420, .height = 200},
        .flags = ui::window::Modal | ui::window::SystemMenu | ui::window::Center,
        .controls =
            {
                {.number = Ctl::Count,
                 .kind = ControlKind::String,
                 .name = "?Cantidad",
                 .text = "REGISTROS NO VALIDOS: " + std::to_string(records.count()),
                 .at = {.x = 6, .y = 6, .width = 300, .height = 10}},
                {.number = Ctl::List,
                 .kind = ControlKind::List,
                 .name = "?Registros",
                 .at = {.x = 6, .y = 20, .width = 408, .height = 150},
                 .columns = {{.header = "Registro", .width = 40, .align = ui::Align::Right},
                             {.header = "Mensaje", .width = 170, .indent = 2},
                             {.header = "Contenido", .width = 600, .indent = 2}},
                 .rows = 15},
                {.number = Ctl::Save,
                 .kind = ControlKind::Button,
                 .name = "?Guardar",
                 .text = "&Guardar...",
                 .at = {.x = 300, .y = 178, .width = 54, .height = 15}},
                {.number = Ctl::Close,
                 .kind = ControlKind::Button,
                 .name = "?Cerrar",
                 .text = "&Cerrar",
                 .at = {.x = 360, .y = 178, .width = 54, .height = 15},
                 .flags = ui::control::Default},
            },
    };
}

class InvalidRecordsList final : public WindowManager {
public:
    InvalidRecordsList(ui::Window& window, const InvalidRecords& records)
        : WindowManager(window), records_(records) {}

    Level Init() override;
    Level TakeEvent() override;
    Level TakeAccepted() override;

private:
    bool scroll(ui::EventKind kind, int thumb);
    void showPage();
    void save();
    int pageRows() const;

    const InvalidRecords& records_;
    size_t top_ = 0;
};

Level InvalidRecordsList::Init() {
    const Level level = WindowManager::Init();
    if (level != Benign)
        return level;
    FirstField = Ctl::List;
    AddItem(Ctl::Close, ResponseCompleted);
    OpenWindow();
    showPage();
    return Benign;
}

int InvalidRecordsList::pageRows() const {
    const int rows = window().control(Ctl::List).pageRows();
    return rows > 0 ? rows : 15;
}

void InvalidRecordsList::showPage() {
    const auto& all = records_.entries();
    std::vector<ui::Row> rows;
    for (size_t i = top_; i < all.size() && rows.size() < static_cast<size_t>(pageRows()); ++i)
        rows.push_back({std::to_string(all[i].number), all[i].message, all[i].text});
    ui::Control& list = window().control(Ctl::List);
    list.setRows(std::move(rows));
    const size_t last = all.size() > static_cast<size_t>(pageRows()) ? all.size() - pageRows() : 0;
    list.setThumb(last == 0 ? 0 : static_cast<int>(top_ * 100 / last));
}

// Moves the page; false when the event is not a scroll of the list.
bool InvalidRecordsList::scroll(ui::EventKind kind, int thumb) {
    const size_t size = records_.entries().size();
    const size_t page = static_cast<size_t>(pageRows());
    const size_t last = size > page ? size - page : 0;
    switch (kind) {
        case ui::EventKind::ScrollUp:
            top_ = top_ > 0 ? top_ - 1 : 0;
            break;
        case ui::EventKind::ScrollDown:
            top_ = std::min(top_ + 1, last);
            break;
        case ui::EventKind::PageUp:
            top_ = top_ > page ? top_ - page : 0;
            break;
        case ui::EventKind::PageDown:
            top_ = std::min(top_ + page, last);
            break;
        case ui::EventKind::ScrollTop:
            top_ = 0;
            break;
        case ui::EventKind::ScrollBottom:
            top_ = last;
            break;
        case ui::EventKind::ScrollDrag:
            top_ = last * static_cast<size_t>(std::clamp(thumb, 0, 100)) / 100;
            break;
        default:
            return false;
    }
    showPage();
    return true;
}

Level InvalidRecordsList::TakeEvent() {
    const ui::Event& e = CurrentEvent();
    if (e.control == Ctl::List && scroll(e.kind, e.thumb))
        return Benign;
    if (e.kind == ui::EventKind::Sized)
        showPage();
    return WindowManager::TakeEvent();
}

Level InvalidRecordsList::TakeAccepted() {
    if (CurrentEvent().control == Ctl::Save) {
        save();
        return Benign;
    }
    return WindowManager::TakeAccepted();
}

// The list into a text file the clerk chooses.
void InvalidRecordsList::save() {
    const ui::OutputResult chosen =
        ui::Runtime::current().output({.kind = ui::OutputJob::Kind::ChooseFile,
                                       .file = "registros_no_validos.txt",
                                       .filter = "Texto (*.txt)",
                                       .title = "Guardar la lista de registros no válidos"});
    if (chosen.status != ui::OutputResult::Status::Done)
        return;
    std::ofstream out(chosen.file, std::ios::binary | std::ios::trunc);
    out << records_.asText();
    out.close();
    if (!out) {
        ui::message({.text = "NO SE PUDO GRABAR LA LISTA EN " + chosen.file + ": " +
                             platform::systemErrorText(errno),
                     .icon = ui::Icon::Question,
                     .okLabel = "Cerrar"});
        return;
    }
    ui::message({.text = "LA LISTA HA SIDO GRABADA EN " + chosen.file,
                 .icon = ui::Icon::Information,
                 .okLabel = "Cerrar"});
}

}  // namespace

void showInvalidRecords(const InvalidRecords& records) {
    GlobalErrors().SetProcedureName("Registros_No_Validos");
    ui::Window window(listDesc(records));
    InvalidRecordsList list(window, records);
    list.Run();
    GlobalErrors().SetProcedureName();
}

}  // namespace vorda::import
