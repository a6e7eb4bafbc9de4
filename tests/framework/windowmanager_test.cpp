// WindowManager: the request protocol of a form over a real table.
//
//   FormInsert      InsertMode Close, Another, AskAnother; refused insert;
//                   duplicate key
//   FormChange      unchanged record (and the toolbar exception), changed by
//                   another station (error 7) and RestoreField, error 34
//   FormChangeDeletedElsewhere  the record was deleted by another process:
//                   the form offers to add it again, or closes
//   FormDelete      DeleteMode Confirm (confirmation only), ShowForm with error 33
//   FormClose       unchanged, CancelAction Save+Ask (error 35), Ask (error 8), Save
//   FormHistory     the history key restores the last completed value
//   FormToolbar     2008 on a change form saves, closes, leaves VCRRequest
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include "framework/requestglobals.h"
#include "platform/store/makekeyedtable.h"
#include "tests/framework/formfixture.h"

extern char** environ;

namespace vorda::test {
namespace {

using ui::ButtonCancel;
using ui::ButtonNo;
using ui::ButtonYes;

std::vector<std::string> boxCaptions(const RecordingPresenter& p) {
    std::vector<std::string> out;
    for (const RecordedBox& b : p.shown())
        out.push_back(b.caption);
    return out;
}

// --- insert --------------------------------------------------------------------

using FormInsert = AgentFormTest;

TEST_F(FormInsert, action_2_inserts_and_closes_completed) {
    run(RequestInsert);
    ASSERT_TRUE(formOpen());
    EXPECT_EQ(focus(), ui::ControlId(FormCtl::NRO));
    EXPECT_EQ(GlobalRequest, 0);
    enter(FormCtl::NRO, "7");
    enter(FormCtl::NOMBRE, "Banco Siete");
    press(FormCtl::OK);
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_EQ(nameOf("7"), "Banco Siete");
    EXPECT_TRUE(answers->shown().empty());
}

TEST_F(FormInsert, action_3_stays_primed_for_another_and_returns_the_last_inserted) {
    options.insertAction = InsertMode::Another;
    options.primeFields = [](AgtRecord& r) { r.NOMBRE.set("Nuevo"); };
    agt.rec = {};
    run(RequestInsert);
    EXPECT_EQ(shown(FormCtl::NOMBRE), "Nuevo");
    enter(FormCtl::NRO, "7");
    press(FormCtl::OK);
    ASSERT_TRUE(formOpen());
    EXPECT_EQ(nameOf("7"), "Nuevo");
    EXPECT_EQ(primeCalls, 2);
    EXPECT_EQ(shown(FormCtl::NRO), "");  // the image taken when the form opened
    EXPECT_EQ(shown(FormCtl::NOMBRE), "Nuevo");
    EXPECT_EQ(focus(), ui::ControlId(FormCtl::NRO));
    enter(FormCtl::NRO, "8");
    press(FormCtl::OK);
    closeForm();  // the primed record is unchanged: no question
    EXPECT_TRUE(finished);
    EXPECT_TRUE(answers->shown().empty());
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_EQ(agt.rec.NRO.str(), "8");  // the caller sees the last record inserted
}

TEST_F(FormInsert, action_4_asks_error_3_yes_stays_no_closes) {
    options.insertAction = InsertMode::AskAnother;
    answers->answer({ButtonYes, ButtonNo});
    run(RequestInsert);
    enter(FormCtl::NRO, "7");
    press(FormCtl::OK);
    ASSERT_TRUE(formOpen());
    ASSERT_EQ(answers->shown().size(), 1u);
    EXPECT_EQ(answers->last().caption, "Registro Agregado");
    EXPECT_EQ(answers->last().text,
              "Este registro fue agregado al archivo. ¿ Desea agregar otro registro?");
    enter(FormCtl::NRO, "8");
    press(FormCtl::OK);
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_TRUE(fetchAgent("7"));
    EXPECT_TRUE(fetchAgent("8"));
}

TEST_F(FormInsert, refused_by_prime_fields_never_opens) {
    options.refuseInsert = true;
    run(RequestInsert);
    EXPECT_TRUE(finished);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(response, ResponseCancelled);
}

TEST_F(FormInsert, duplicate_key_reports_and_stays_on_first_field) {
    run(RequestInsert);
    enter(FormCtl::NRO, "1");
    enter(FormCtl::NOMBRE, "Otro");
    press(FormCtl::OK);
    ASSERT_TRUE(formOpen());
    ASSERT_EQ(answers->shown().size(), 1u);
    EXPECT_EQ(focus(), ui::ControlId(FormCtl::NRO));
    EXPECT_EQ(nameOf("1"), "Banco Uno");
}

// --- change --------------------------------------------------------------------

using FormChange = AgentFormTest;

TEST_F(FormChange, unchanged_record_returns_cancelled_without_writing) {
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    EXPECT_EQ(shown(FormCtl::NOMBRE), "Banco Uno");
    press(FormCtl::OK);
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCancelled);
    EXPECT_TRUE(answers->shown().empty());
}

TEST_F(FormChange, unchanged_record_with_toolbar_and_no_navigation_is_completed) {
    options.toolbar = true;
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    press(FormCtl::OK);
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCompleted);
}

TEST_F(FormChange, changed_record_is_written) {
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    enter(FormCtl::NOMBRE, "Banco Cambiado");
    press(FormCtl::OK);
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_EQ(nameOf("1"), "Banco Cambiado");
}

TEST_F(FormChange, another_station_gives_error_7_and_restore_field_brings_back_the_users_value) {
    options.history = true;
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    {
        AgtRecord otherRec{};
        auto other = store::makeKeyedTable(agtDesc(), &otherRec);
        other->setOwner("RelTestOwner");
        ASSERT_EQ(other->open(0x42), store::Ok);
        otherRec.NRO.set("1");
        ASSERT_EQ(other->get(AGT_BYNRO), store::Ok);
        otherRec.NOMBRE.set("De Otra Estacion");
        ASSERT_EQ(other->put(), store::Ok);
        other->close();
    }
    enter(FormCtl::NOMBRE, "Mio");
    press(FormCtl::OK);
    ASSERT_TRUE(formOpen());
    ASSERT_EQ(answers->shown().size(), 1u);
    EXPECT_EQ(answers->last().caption, "Registro no Actualizado");
    EXPECT_NE(answers->last().text.find("Ctrl+'"), std::string::npos);
    EXPECT_EQ(shown(FormCtl::NOMBRE), "De Otra Estacion");
    EXPECT_EQ(focus(), ui::ControlId(FormCtl::NRO));
    ASSERT_EQ(rt->input().key(formWindow()->id(), FormCtl::NOMBRE, ui::key::CtrlQuote),
              ui::InputResult::Done);
    settle();
    EXPECT_EQ(shown(FormCtl::NOMBRE), "Mio");
    press(FormCtl::OK);
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_EQ(nameOf("1"), "Mio");
}

// Agent 1 is being changed here when another station, a process of its own,
// deletes it.
class FormChangeDeletedElsewhere : public AgentFormTest {
protected:
    void changeWhileDeletedElsewhere() {
        ASSERT_TRUE(fetchAgent("1"));
        run(RequestChange);
        enter(FormCtl::NOMBRE, "Mio");
        std::string helper = STATION_HELPER, command = "delete", where = dir.path().string(),
                    nro = "1";
        char* argv[] = {helper.data(), command.data(), where.data(), nro.data(), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, helper.c_str(), nullptr, nullptr, argv, environ), 0);
        int status = -1;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        ASSERT_EQ(nameOf("1"), "");
        press(FormCtl::OK);
    }
    void expectAskedToAddItAgain() {
        ASSERT_EQ(answers->shown().size(), 1u) << boxCaptions(*answers).back();
        EXPECT_EQ(answers->last().caption, "¿Agregar nuevo registro?");
        EXPECT_EQ(answers->last().text, "Registro no encontrado, ¿desea agregar una nuevo?");
        EXPECT_EQ(answers->last().buttons, unsigned(ButtonYes + ButtonNo));
    }
};

TEST_F(FormChangeDeletedElsewhere, yes_adds_it_again_with_the_users_values) {
    answers->answer(ButtonYes);
    changeWhileDeletedElsewhere();
    expectAskedToAddItAgain();
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_EQ(nameOf("1"), "Mio");
}

TEST_F(FormChangeDeletedElsewhere, no_closes_the_form_and_it_stays_deleted) {
    answers->answer(ButtonNo);
    changeWhileDeletedElsewhere();
    expectAskedToAddItAgain();
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCancelled);
    EXPECT_EQ(nameOf("1"), "");
}

TEST_F(FormChangeDeletedElsewhere, a_form_that_adds_no_records_says_so_and_closes) {
    options.insertAction = InsertMode::None;
    changeWhileDeletedElsewhere();
    ASSERT_EQ(answers->shown().size(), 1u);
    EXPECT_EQ(answers->last().text, "Este registro fue modificado por otra estación.");
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCancelled);
}

// Renaming agent 1 to the taken number 2 makes the write fail (User).
class FormChangeError34 : public AgentFormTest {
protected:
    void start() {
        ASSERT_TRUE(fetchAgent("1"));
        run(RequestChange);
        enter(FormCtl::NRO, "2");
        press(FormCtl::OK);
    }
    size_t count34() const {
        size_t n = 0;
        for (const RecordedBox& b : answers->shown())
            n += b.caption == "Error al Actualizar" ? 1 : 0;
        return n;
    }
};

TEST_F(FormChangeError34, cancel_stays_on_first_field) {
    answers->answer({ui::ButtonOk, ButtonCancel});  // the write error's notice, then 34
    start();
    ASSERT_TRUE(formOpen());
    EXPECT_EQ(count34(), 1u);
    const RecordedBox* box = nullptr;
    for (const RecordedBox& b : answers->shown())
        if (b.caption == "Error al Actualizar")
            box = &b;
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->buttons, unsigned(ButtonYes + ButtonNo + ButtonCancel));
    EXPECT_EQ(box->defaultButton, unsigned(ButtonCancel));
    EXPECT_EQ(focus(), ui::ControlId(FormCtl::NRO));
}

TEST_F(FormChangeError34, yes_tries_again_no_closes_cancelled) {
    answers->answer({ui::ButtonOk, ButtonYes, ui::ButtonOk, ButtonNo});
    start();
    EXPECT_TRUE(finished);
    EXPECT_EQ(count34(), 2u);
    EXPECT_EQ(response, ResponseCancelled);
    EXPECT_EQ(nameOf("1"), "Banco Uno");
    EXPECT_EQ(nameOf("2"), "Banco Dos");
}

// --- delete --------------------------------------------------------------------

using FormDelete = AgentFormTest;

TEST_F(FormDelete, action_2_shows_only_the_confirmation) {
    options.deleteAction = DeleteMode::Confirm;
    answers->answer(ButtonYes);
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestDelete);
    EXPECT_TRUE(finished);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(boxCaptions(*answers), std::vector<std::string>{"Confirmar Borrado"});
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_FALSE(fetchAgent("1"));
}

TEST_F(FormDelete, action_2_answered_no_keeps_the_record) {
    options.deleteAction = DeleteMode::Confirm;
    answers->answer(ButtonNo);
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestDelete);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(response, ResponseCancelled);
    EXPECT_TRUE(fetchAgent("1"));
}

TEST_F(FormDelete, action_3_shows_the_record_and_deletes_on_ok) {
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestDelete);
    ASSERT_TRUE(formOpen());
    EXPECT_EQ(shown(FormCtl::NOMBRE), "Banco Uno");
    press(FormCtl::OK);
    EXPECT_TRUE(finished);
    EXPECT_TRUE(answers->shown().empty());
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_FALSE(fetchAgent("1"));
}

// Agent 2 has a declaration and the relation restricts its deletion.
class FormDeleteError33 : public AgentFormTest {
protected:
    void start() {
        ASSERT_TRUE(fetchAgent("2"));
        run(RequestDelete);
        ASSERT_TRUE(formOpen());
        press(FormCtl::OK);
    }
    std::vector<unsigned> formQuestions() const {  // buttons of each Yes/No/Cancel 33
        std::vector<unsigned> out;
        for (const RecordedBox& b : answers->shown())
            if (b.caption == "Error en Borrar Registro" &&
                b.buttons == unsigned(ButtonYes + ButtonNo + ButtonCancel))
                out.push_back(b.defaultButton);
        return out;
    }
};

TEST_F(FormDeleteError33, cancel_stays) {
    // error 30's notice, then the form's own 33 (asked once, with Cancel)
    answers->answer({ui::ButtonOk, ButtonCancel});
    start();
    EXPECT_TRUE(formOpen());
    EXPECT_EQ(formQuestions(), std::vector<unsigned>{ButtonCancel});
    EXPECT_TRUE(fetchAgent("2"));
}

TEST_F(FormDeleteError33, yes_tries_again_then_no_closes_cancelled) {
    answers->answer({ui::ButtonOk, ButtonYes, ui::ButtonOk, ButtonNo});
    start();
    EXPECT_TRUE(finished);
    EXPECT_EQ(formQuestions().size(), 2u);
    size_t questions33 = 0;
    for (const RecordedBox& b : answers->shown())
        questions33 += b.caption == "Error en Borrar Registro";
    EXPECT_EQ(questions33, 2u);  // one per attempt, never twice for one failure
    EXPECT_EQ(response, ResponseCancelled);
    EXPECT_TRUE(fetchAgent("2"));
}

// --- closing -------------------------------------------------------------------

using FormClose = AgentFormTest;

TEST_F(FormClose, placement_is_restored_on_open_and_kept_on_release) {
    std::vector<std::pair<std::string, PlacementStep>> calls;
    KeepPlacement = [&calls](ui::Window&, const std::string& section, PlacementStep step) {
        calls.emplace_back(section, step);
    };
    errors.SetProcedureName("Agt:Ficha");
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    ASSERT_TRUE(formOpen());
    const std::vector<std::pair<std::string, PlacementStep>> opened{
        {"Agt:Ficha", PlacementStep::Restore}};
    EXPECT_EQ(calls, opened);
    closeForm();
    EXPECT_TRUE(finished);
    const std::vector<std::pair<std::string, PlacementStep>> both{
        {"Agt:Ficha", PlacementStep::Restore}, {"Agt:Ficha", PlacementStep::Save}};
    EXPECT_EQ(calls, both);
    KeepPlacement = nullptr;
    errors.SetProcedureName();
}

TEST_F(FormClose, unchanged_form_closes_silently) {
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    closeForm();
    EXPECT_TRUE(finished);
    EXPECT_TRUE(answers->shown().empty());
    EXPECT_EQ(response, ResponseCancelled);
}

TEST_F(FormClose, action_3_yes_saves) {
    answers->answer(ButtonYes);
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    enter(FormCtl::NOMBRE, "Guardado");
    closeForm();
    EXPECT_TRUE(finished);
    EXPECT_EQ(boxCaptions(*answers), std::vector<std::string>{"Guardar Registro"});
    EXPECT_EQ(answers->last().text, "¿ Desea guardar los cambios a este registro?");
    EXPECT_EQ(answers->last().defaultButton, unsigned(ButtonCancel));
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_EQ(nameOf("1"), "Guardado");
}

TEST_F(FormClose, action_3_no_closes_without_saving) {
    answers->answer(ButtonNo);
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    enter(FormCtl::NOMBRE, "Perdido");
    closeForm();
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCancelled);
    EXPECT_EQ(nameOf("1"), "Banco Uno");
}

TEST_F(FormClose, action_3_cancel_stays_on_first_field) {
    answers->answer(ButtonCancel);
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    enter(FormCtl::NOMBRE, "Pendiente");
    closeForm();
    EXPECT_TRUE(formOpen());
    EXPECT_EQ(focus(), ui::ControlId(FormCtl::NRO));
    EXPECT_EQ(shown(FormCtl::NOMBRE), "Pendiente");
}

TEST_F(FormClose, cancel_button_on_changed_form_asks_the_same) {
    answers->answer(ButtonNo);
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    enter(FormCtl::NOMBRE, "Perdido");
    press(FormCtl::CANCEL);
    EXPECT_TRUE(finished);
    EXPECT_EQ(boxCaptions(*answers), std::vector<std::string>{"Guardar Registro"});
    EXPECT_EQ(response, ResponseCancelled);
}

TEST_F(FormClose, action_2_asks_error_8_no_stays_yes_closes) {
    options.cancelAction = {CancelFlag::Ask};
    answers->answer({ButtonNo, ButtonYes});
    run(RequestInsert);
    enter(FormCtl::NRO, "9");
    closeForm();
    ASSERT_TRUE(formOpen());
    EXPECT_EQ(focus(), ui::ControlId(FormCtl::NRO));
    EXPECT_EQ(answers->last().caption, "Cambios serán perdidos!");
    EXPECT_EQ(answers->last().text, "¿Está seguro que desea cancelar?");
    closeForm();
    EXPECT_TRUE(finished);
    EXPECT_EQ(response, ResponseCancelled);
    EXPECT_FALSE(fetchAgent("9"));
}

TEST_F(FormClose, action_1_saves_without_asking) {
    options.cancelAction = {CancelFlag::Save};
    run(RequestInsert);
    enter(FormCtl::NRO, "9");
    closeForm();
    EXPECT_TRUE(finished);
    EXPECT_TRUE(answers->shown().empty());
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_TRUE(fetchAgent("9"));
}

// --- history -------------------------------------------------------------------

using FormHistory = AgentFormTest;

TEST_F(FormHistory, history_key_restores_the_last_completed_value) {
    options.history = true;
    options.insertAction = InsertMode::Another;
    agt.rec = {};
    run(RequestInsert);
    enter(FormCtl::NRO, "7");
    enter(FormCtl::NOMBRE, "Ana");
    press(FormCtl::OK);
    ASSERT_TRUE(formOpen());
    EXPECT_EQ(shown(FormCtl::NOMBRE), "");
    EXPECT_TRUE(formWindow()->alerted(FormCtl::NOMBRE, ui::key::CtrlQuote));
    ASSERT_EQ(rt->input().focus(formWindow()->id(), FormCtl::NOMBRE), ui::InputResult::Done);
    settle();
    ASSERT_EQ(rt->input().key(formWindow()->id(), FormCtl::NOMBRE, ui::key::CtrlQuote),
              ui::InputResult::Done);
    settle();
    EXPECT_EQ(shown(FormCtl::NOMBRE), "Ana");
    enter(FormCtl::NRO, "8");
    press(FormCtl::OK);
    EXPECT_EQ(nameOf("8"), "Ana");
}

// --- the form toolbar target ------------------------------------------------------

using FormToolbar = AgentFormTest;

TEST_F(FormToolbar, next_record_button_saves_closes_and_leaves_the_request) {
    options.toolbar = true;
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    EXPECT_TRUE(toolbar.Enabled(2008));
    enter(FormCtl::NOMBRE, "Siguiente");
    ASSERT_TRUE(rt->post(ui::EventKind::Accepted, 2008, thread));  // relayed by the frame
    settle();
    EXPECT_TRUE(finished);
    EXPECT_EQ(VCRRequest, 2008);
    EXPECT_EQ(response, ResponseCompleted);
    EXPECT_EQ(nameOf("1"), "Siguiente");
}

TEST_F(FormToolbar, cancel_clears_a_pending_navigation) {
    options.toolbar = true;
    ASSERT_TRUE(fetchAgent("1"));
    run(RequestChange);
    VCRRequest = 2009;
    press(FormCtl::CANCEL);
    EXPECT_TRUE(finished);
    EXPECT_EQ(VCRRequest, 0);
    EXPECT_EQ(response, ResponseCancelled);
}

}  // namespace
}  // namespace vorda::test
