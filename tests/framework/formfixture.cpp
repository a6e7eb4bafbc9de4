// The agent form of the form tests.
#include "tests/framework/formfixture.h"

#include "framework/requestglobals.h"

namespace vorda::test {

namespace {

ui::WindowDesc agentFormDesc(AgtRecord& r) {
    using ui::ControlKind;
    return ui::WindowDesc{.caption = "Actualizar AGT",
                          .at = {.x = 0, .y = 0, .width = 200, .height = 100},
                          .flags = ui::window::MdiChild,
                          .controls = {
                              {.number = FormCtl::NRO,
                               .kind = ControlKind::Entry,
                               .name = "?AGT:NRO",
                               .picture = "@s11",
                               .at = {.x = 50, .y = 10, .width = 60, .height = 10},
                               .bind = ui::bindField(r.NRO)},
                              {.number = FormCtl::NOMBRE,
                               .kind = ControlKind::Entry,
                               .name = "?AGT:NOMBRE",
                               .picture = "@s20",
                               .at = {.x = 50, .y = 25, .width = 100, .height = 10},
                               .bind = ui::bindField(r.NOMBRE)},
                              {.number = FormCtl::OK,
                               .kind = ControlKind::Button,
                               .name = "?OK",
                               .text = "&Aceptar",
                               .at = {.x = 100, .y = 80, .width = 40, .height = 14}},
                              {.number = FormCtl::CANCEL,
                               .kind = ControlKind::Button,
                               .name = "?Cancel",
                               .text = "&Cancelar",
                               .at = {.x = 150, .y = 80, .width = 40, .height = 14}},
                          }};
}

class TestForm : public WindowManager {
public:
    TestForm(ui::Window& w, AgentFormTest& t, FormOptions& o, Table<AgtRecord>& agt,
             ErrorClass& errors, AgtRecord& history, ToolbarClass& toolbar, int& primeCalls)
        : WindowManager(w),
          o_(o),
          agt_(agt),
          errors_(errors),
          history_(history),
          toolbar_(toolbar),
          primeCalls_(primeCalls) {
        (void)t;
    }

    Level Init() override {
        Request = GlobalRequest;
        Level level = WindowManager::Init();
        if (level != Benign)
            return level;
        FirstField = FormCtl::NRO;
        Errors = &errors_;
        VCRRequest = 0;
        if (o_.toolbar) {
            toolbar_.Init();
            AddItem(toolbar_);
        }
        GlobalRequest = 0;
        GlobalResponse = 0;
        AddUpdateFile(agt_.access);
        if (o_.history) {
            HistoryKey = ui::key::CtrlQuote;
            AddHistoryFile(agt_.access, &history_);
            AddHistoryField(FormCtl::NRO, AGT_F::NRO);
            AddHistoryField(FormCtl::NOMBRE, AGT_F::NOMBRE);
        }
        AddItem(FormCtl::CANCEL, ResponseCancelled);
        Primary = &agt_.relate;
        InsertAction = o_.insertAction;
        DeleteAction = o_.deleteAction;
        CancelAction = o_.cancelAction;
        OKControl = FormCtl::OK;
        level = PrimeUpdate();
        if (level != Benign)
            return level;
        OpenWindow();
        return Benign;
    }

    void PrimeFields() override {
        ++primeCalls_;
        if (o_.primeFields)
            o_.primeFields(agt_.rec);
        if (o_.refuseInsert)
            Response = ResponseCancelled;
    }

private:
    FormOptions& o_;
    Table<AgtRecord>& agt_;
    ErrorClass& errors_;
    AgtRecord& history_;
    ToolbarClass& toolbar_;
    int& primeCalls_;
};

}  // namespace

void AgentFormTest::SetUp() {
    RelationFixture::SetUp();
    rt = std::make_unique<ui::Runtime>(backend);
    answers = std::make_unique<RecordingPresenter>();
    relate({.agtDecUpdate = RIRestrict, .agtDecDelete = RIRestrict});
    addAgent("1", "Banco Uno");
    addAgent("2", "Banco Dos");
    addDec(declKey("2", "2002", "01"));
    VCRRequest = 0;
}

void AgentFormTest::TearDown() {
    rt->shutdown();
    answers.reset();
    rt.reset();
    RelationFixture::TearDown();
}

void AgentFormTest::run(uint8_t request) {
    thread = rt->start([this, request] {
        GlobalRequest = request;
        ui::Window w(agentFormDesc(agt.rec));
        TestForm form(w, *this, options, agt, errors, history, toolbar, primeCalls);
        response = form.Run();
        GlobalResponse = response;
        opened = form.Opened;
        finished = true;
    });
    settle();
}

ui::Window* AgentFormTest::formWindow() const {
    return rt->topWindow(thread);
}

void AgentFormTest::enter(FormCtl control, std::string_view text) {
    ASSERT_NE(formWindow(), nullptr);
    const ui::WindowId id = formWindow()->id();
    ASSERT_EQ(rt->input().focus(id, control), ui::InputResult::Done);
    settle();
    ASSERT_EQ(rt->input().type(id, control, text), ui::InputResult::Done);
    settle();
}

void AgentFormTest::press(FormCtl control) {
    ASSERT_NE(formWindow(), nullptr);
    ASSERT_EQ(rt->input().press(formWindow()->id(), control), ui::InputResult::Done);
    settle();
}

void AgentFormTest::closeForm() {
    ASSERT_NE(formWindow(), nullptr);
    ASSERT_EQ(rt->input().close(formWindow()->id()), ui::InputResult::Done);
    settle();
}

ui::ControlId AgentFormTest::focus() const {
    const ui::Window* w = formWindow();
    return w != nullptr ? w->focus() : ui::ControlId{};
}

std::string AgentFormTest::shown(FormCtl control) const {
    const ui::Window* w = formWindow();
    return w != nullptr ? w->control(control).text() : std::string();
}

std::string AgentFormTest::nameOf(std::string_view nro) {
    AgtRecord keep = agt.rec;
    std::string name;
    if (fetchAgent(nro))
        name = agt.rec.NOMBRE.str();
    agt.rec = keep;
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

}  // namespace vorda::test
