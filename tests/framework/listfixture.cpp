// The list procedure of the list tests.
#include "tests/framework/listfixture.h"

#include <cstdio>

#include "framework/requestglobals.h"
#include "framework/windowmanager.h"

namespace vorda::test {

namespace {

ui::WindowDesc listDesc(const ListOptions& o) {
    using ui::ControlKind;
    auto button = [](ListCtl n, const char* text, int x) {
        return ui::ControlDesc{.number = n,
                               .kind = ControlKind::Button,
                               .text = text,
                               .at = {.x = x, .y = 150, .width = 40, .height = 14}};
    };
    return ui::WindowDesc{
        .caption = "Agentes",
        .at = {.x = 0, .y = 0, .width = 300, .height = 180},
        .flags = ui::window::MdiChild,
        .controls = {
            {.number = ListCtl::SHEET,
             .kind = ControlKind::Sheet,
             .at = {.x = 0, .y = 0, .width = 300, .height = 18}},
            {.number = ListCtl::TAB_FIRST,
             .kind = ControlKind::Tab,
             .text = "Primera",
             .parent = ListCtl::SHEET},
            {.number = ListCtl::TAB_SECOND,
             .kind = ControlKind::Tab,
             .text = "Segunda",
             .parent = ListCtl::SHEET},
            {.number = ListCtl::LOCATOR,
             .kind = ControlKind::Entry,
             .picture = o.locatorPicture,
             .at = {.x = 10, .y = 5, .width = 100, .height = 10}},
            {.number = ListCtl::LIST,
             .kind = ControlKind::List,
             .at = {.x = 10, .y = 20, .width = 280, .height = 120},
             .parent = o.listOnSecondTab ? ui::ControlId(ListCtl::TAB_SECOND) : ui::ControlId{},
             .columns = {{.header = "Nº", .picture = "@s11", .width = 50},
                         {.header = "Nombre", .picture = "@s20", .width = 100}},
             .rows = o.declaredRows},
            button(ListCtl::INSERT, "&Agregar", 10),
            button(ListCtl::CHANGE, "&Cambiar", 60),
            button(ListCtl::DELETE, "&Borrar", 110),
            button(ListCtl::SELECT, "&Elegir", 160),
            button(ListCtl::CLOSE, "Salir", 210),
            button(ListCtl::PRINT, "Im&primir", 260),
            button(ListCtl::HELP, "Ayuda", 300),
        }};
}

class TestList : public WindowManager {
public:
    TestList(ui::Window& w, ListOptions& o, Table<AgtRecord>& agt, CountingBrowse& browse,
             ToolbarClass& toolbar, std::vector<ui::ControlId>& accepted)
        : WindowManager(w),
          o_(o),
          agt_(agt),
          browse_(browse),
          toolbar_(toolbar),
          accepted_(accepted) {}

    Level Init() override {
        Request = GlobalRequest;
        const Level level = WindowManager::Init();
        if (level != Benign)
            return level;
        // A list on a tab not in front must not take the focus (which would
        // bring its tab to the front).
        FirstField = o_.listOnSecondTab ? ListCtl::LOCATOR : ListCtl::LIST;
        GlobalRequest = 0;
        GlobalResponse = 0;
        AddItem(ListCtl::CLOSE, ResponseCancelled);
        browse_.Init(ListCtl::LIST, &agt_.relate, *this);
        browse_.LastItems = o_.lastItems;
        browse_.AddSortOrder(o_.step, o_.key);
        if (o_.locator != nullptr)
            browse_.AddLocator(o_.locator);
        if (!o_.sheetSorts.empty()) {
            browse_.AddSortOrder(nullptr, o_.key == AGT_BYNRO ? AGT_BYNOMBRE : AGT_BYNRO);
            browse_.SetSortSheet(ListCtl::SHEET, o_.sheetSorts);
        }
        browse_.AddField(ui::bindField(agt_.rec.NRO));
        browse_.AddField(ui::bindField(agt_.rec.NOMBRE));
        configureButtons();
        OpenWindow();
        if (o_.toolbar) {
            toolbar_.Init();
            browse_.AddToolbarTarget(toolbar_, ListCtl::HELP);
        }
        browse_.SetAlerts();
        return Benign;
    }
    Level Kill() override {
        browse_.Kill();
        return WindowManager::Kill();
    }
    Level TakeAccepted() override {
        accepted_.push_back(CurrentEvent().control);
        return WindowManager::TakeAccepted();
    }
    uint8_t Run(uint16_t, uint8_t request) override {
        return o_.form ? o_.form(request) : uint8_t{ResponseCancelled};
    }
    using WindowManager::Run;

private:
    void configureButtons() {
        if (browse_.Selecting()) {
            browse_.SelectControl = ListCtl::SELECT;
            return;
        }
        browse_.HideSelect = true;
        browse_.SelectControl = ListCtl::SELECT;
        if (!o_.buttons)
            return;
        browse_.InsertControl = ListCtl::INSERT;
        browse_.ChangeControl = ListCtl::CHANGE;
        browse_.DeleteControl = ListCtl::DELETE;
        browse_.AskProcedure = 1;
        browse_.PrintControl = ListCtl::PRINT;
        browse_.PrintProcedure = 2;
    }

    ListOptions& o_;
    Table<AgtRecord>& agt_;
    CountingBrowse& browse_;
    ToolbarClass& toolbar_;
    std::vector<ui::ControlId>& accepted_;
};

}  // namespace

std::string trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

void ListTest::SetUp() {
    RelationFixture::SetUp();
    rt = std::make_unique<ui::Runtime>(backend);
    relate({});
    VCRRequest = 0;
}

void ListTest::TearDown() {
    rt->shutdown();
    rt.reset();
    RelationFixture::TearDown();
}

void ListTest::open() {
    thread = rt->start([this] {
        GlobalRequest = options.request;
        ui::Window w(listDesc(options));
        CountingBrowse list;
        browse = &list;
        TestList procedure(w, options, agt, list, toolbar, accepted);
        response = procedure.Run();
        nameAtClose = trimmed(agt.rec.NOMBRE.str());
        browse = nullptr;
        finished = true;
    });
    settle();
}

void ListTest::key(ui::KeyCode code) {
    ASSERT_NE(listWindow(), nullptr);
    ASSERT_EQ(rt->input().key(listWindow()->id(), ListCtl::LIST, code), ui::InputResult::Done);
    settle();
}

void ListTest::scroll(ui::EventKind kind, int thumb) {
    ASSERT_NE(listWindow(), nullptr);
    ASSERT_EQ(rt->input().scroll(listWindow()->id(), ListCtl::LIST, kind, thumb),
              ui::InputResult::Done);
    settle();
}

void ListTest::press(ListCtl control) {
    ASSERT_NE(listWindow(), nullptr);
    ASSERT_EQ(rt->input().press(listWindow()->id(), control), ui::InputResult::Done);
    settle();
}

void ListTest::choose(ListCtl control, std::string_view value) {
    ASSERT_NE(listWindow(), nullptr);
    ASSERT_EQ(rt->input().choose(listWindow()->id(), control, value), ui::InputResult::Done);
    settle();
}

std::vector<std::string> ListTest::shownNames() const {
    std::vector<std::string> names;
    for (const ui::Row& r : list().rows())
        names.push_back(trimmed(r.at(1)));
    return names;
}

std::string ListTest::selectedName() const {
    const int row = list().selection();
    return row == 0 ? std::string() : trimmed(list().rows().at(static_cast<size_t>(row - 1)).at(1));
}

std::string ListTest::bufferName() const {
    return trimmed(agt.rec.NOMBRE.str());
}

void ListTest::addMany(int count) {
    char name[16];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "N%04d", i);
        addAgent(std::to_string(i + 1), name);
    }
}

}  // namespace vorda::test
