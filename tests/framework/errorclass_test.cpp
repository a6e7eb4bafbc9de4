// ErrorClass: catalogue, substitution, presentation, misuse.
//
//   ErrorCatalogue     - the packed default block, extra blocks, overriding ids
//   ErrorSubstitution  - every token, case, no rescanning, %Previous, the 1,999 cut
//   ErrorPresentation  - box, buttons and result per fatality; Message; snapshots
//   ErrorProcedureName - the per-thread name stack behind %Procedure
//   ErrorMisuse        - the fixed assertion texts
#include "framework/errorclass.h"

#include <gtest/gtest.h>

#include "framework/assertion.h"
#include "platform/process/errorstate.h"
#include "platform/process/threadnumber.h"
#include "platform/types/cp1252.h"
#include "tests/support/recordingpresenter.h"

namespace vorda {
namespace {

using test::RecordingPresenter;

constexpr uint16_t kTest = 900;  // id of the entry each test adds

class ErrorClassTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousHandler_ =
            setAssertionHandler([](const std::string& t) { throw AssertionFailed(t); });
        platform::clearLastError();
        errors.Init();
    }
    void TearDown() override {
        errors.Kill();
        platform::setThreadNumberProvider(nullptr);
        setAssertionHandler(previousHandler_);
    }
    // Adds one entry and returns its substituted text.
    std::string subst(std::string_view message, uint16_t id = kTest) {
        add(id, 5, "T", message);
        errors.SetId(id);
        return errors.SubsString();
    }
    void add(uint16_t id, uint8_t fatality, std::string_view title, std::string_view message) {
        errors.AddErrors(packErrorBlock({{.Id = id,
                                          .Fatality = fatality,
                                          .Title = std::string(title),
                                          .Message = std::string(message)}}));
    }
    std::string assertionOf(const std::function<void()>& call) {
        try {
            call();
        } catch (const AssertionFailed& e) {
            return e.what();
        }
        return "(no assertion)";
    }

    RecordingPresenter boxes;
    ErrorClass errors;

private:
    AssertionHandler previousHandler_;
};

// --- ErrorCatalogue ------------------------------------------------------------

using ErrorCatalogue = ErrorClassTest;

TEST_F(ErrorCatalogue, default_block_holds_39_entries_in_stored_order) {
    const ErrorBlock& block = DefaultErrors();
    ASSERT_GE(block.size(), 2u);
    EXPECT_EQ(block[0] | (block[1] << 8), 39);
    EXPECT_EQ(block[2] | (block[3] << 8), 27);  // first entry
    errors.SetId(39);
    EXPECT_EQ(errors.CurrentEntry()->Fatality, 2);
    EXPECT_EQ(errors.CurrentEntry()->Title, "Error de Uso");
}

TEST_F(ErrorCatalogue, default_texts_are_kept_character_for_character) {
    errors.SetId(19);
    EXPECT_EQ(errors.CurrentEntry()->Message,
              "Archivo %File no pudo cargarse.  Error: %ErrorText.");
    errors.SetId(25);
    EXPECT_EQ(errors.CurrentEntry()->Message,
              "Un error (%ErrorText) fue experimentado al realizar cambioses to the %File file.");
    errors.SetId(7);
    EXPECT_EQ(errors.CurrentEntry()->Message,
              "Este registro fue modificado por otra estación. Los cambios serán mostrados ahora. "
              "Use el botón Ditto or Ctrl+' para restaurar sus cambios.");
    errors.SetId(5);
    EXPECT_EQ(errors.CurrentEntry()->Title, "¿Agregar nuevo registro?");
    EXPECT_EQ(errors.CurrentEntry()->Fatality, 5);
    errors.SetId(31);
    EXPECT_EQ(errors.CurrentEntry()->Title, "Error de Integridad Referencial (Actualización)");
    EXPECT_EQ(errors.CurrentEntry()->Message.size(), 192u);  // nothing cut from the longest text
}

TEST_F(ErrorCatalogue, block_texts_are_windows_1252) {
    const ErrorBlock block =
        packErrorBlock({{.Id = 513, .Fatality = 5, .Title = "Año", .Message = "¿€?"}});
    const ErrorBlock expected = {1, 0, 0x01, 0x02, 5, 3, 'A', 0xF1, 'o', 3, 0xBF, 0x80, '?'};
    EXPECT_EQ(block, expected);
    errors.AddErrors(block);
    errors.SetId(513);
    EXPECT_EQ(errors.CurrentEntry()->Title, "Año");
    EXPECT_EQ(errors.SubsString(), "¿€?");
}

TEST_F(ErrorCatalogue, truncated_block_is_refused_whole) {
    ErrorBlock block = packErrorBlock({{.Id = 901, .Fatality = 5, .Title = "A", .Message = "x"},
                                       {.Id = 902, .Fatality = 5, .Title = "B", .Message = "yz"}});
    block.pop_back();
    EXPECT_EQ(assertionOf([&] { errors.AddErrors(block); }),
              "Unable to add new error message to queue.");
    EXPECT_EQ(assertionOf([&] { errors.SetId(901); }), "Identifier not found.");
}

TEST_F(ErrorCatalogue, second_block_overrides_every_later_delete_confirmation) {
    add(9, 1, "Borrar", "¿Borrar de verdad?");
    boxes.answer({ui::ButtonYes, ui::ButtonNo});
    EXPECT_EQ(errors.Throw(9), Benign);
    EXPECT_EQ(errors.Throw(9), Cancel);
    ASSERT_EQ(boxes.shown().size(), 2u);
    for (const test::RecordedBox& b : boxes.shown()) {
        EXPECT_EQ(b.caption, "Borrar");
        EXPECT_EQ(b.text, "¿Borrar de verdad?");
    }
}

// --- ErrorSubstitution ---------------------------------------------------------

using ErrorSubstitution = ErrorClassTest;

TEST_F(ErrorSubstitution, every_token_takes_its_value) {
    platform::setLastError(40, "Clave duplicada", "2067", "UNIQUE constraint failed");
    errors.SetErrors();
    errors.SetFile("Agentes   ");
    errors.SetField("AGE:CUIT ");
    errors.MessageText = "msg";
    errors.SetProcedureName("Agentes:Ficha");
    EXPECT_EQ(subst("[%FileErrorCode][%FileError][%File][%ErrorCode][%ErrorText][%Error]"
                    "[%Message][%Field][%Procedure]"),
              "[2067][UNIQUE constraint failed][Agentes][40][Clave duplicada (40)]"
              "[Clave duplicada][msg][AGE:CUIT][Agentes:Ficha]");
}

TEST_F(ErrorSubstitution, error_text_uses_the_driver_text_for_code_90) {
    platform::setLastError(90, "Error del sistema de archivos", "10", "disk I/O error");
    errors.SetErrors();
    EXPECT_EQ(subst("(%ErrorText)"), "(disk I/O error (10))");
    platform::setLastError(35, "Registro no encontrado", "ignored", "ignored");
    errors.SetErrors();
    errors.SetId(kTest);
    EXPECT_EQ(errors.SubsString(), "(Registro no encontrado (35))");
}

TEST_F(ErrorSubstitution, tokens_match_any_case_and_every_occurrence) {
    errors.SetFile("F");
    errors.SetField("D");
    EXPECT_EQ(subst("%FILE %file %FiLe|%FIELD %field|%fileX"), "F F F|D D|FX");
}

TEST_F(ErrorSubstitution, inserted_values_are_not_scanned_again) {
    errors.SetFile("%Field");
    errors.SetField("%Message");
    errors.MessageText = "%File %Previous";
    EXPECT_EQ(subst("%File/%Field/%Message"), "%Field/%Message/%File %Previous");
}

TEST_F(ErrorSubstitution, unknown_and_lone_percent_signs_stay) {
    EXPECT_EQ(subst("100% %Fil %Foo %"), "100% %Fil %Foo %");
}

TEST_F(ErrorSubstitution, previous_brings_the_overridden_text) {
    add(9, 1, "Confirmar", "Atención: %Previous");
    errors.SetId(9);
    EXPECT_EQ(errors.SubsString(),
              "Atención: ¿ Está seguro que desea eliminar el registro seleccionado?");
}

TEST_F(ErrorSubstitution, previous_without_older_entry_is_removed) {
    EXPECT_EQ(subst("antes %Previous después"), "antes  después");
}

TEST_F(ErrorSubstitution, previous_is_exact_case_and_its_text_is_substituted_too) {
    errors.SetFile("Ddjj");
    add(23, 3, "Acceso", "%Previous %previous");
    errors.SetId(23);
    EXPECT_EQ(errors.SubsString(), "Archivo (Ddjj) no pudo ser abierto.  Error:  (0). %previous");
}

TEST_F(ErrorSubstitution, previous_chains_back_through_every_older_entry) {
    add(kTest, 5, "1", "uno");
    add(kTest, 5, "2", "%Previous dos");
    add(kTest, 5, "3", "%Previous tres");
    errors.SetId(kTest);
    EXPECT_EQ(errors.SubsString(), "uno dos tres");
}

TEST_F(ErrorSubstitution, result_is_cut_at_1999_characters) {
    std::string ene;  // two bytes a character: the cut must count characters
    for (int i = 0; i < 254; ++i)
        ene += "ñ";
    errors.MessageText = ene;
    const std::string out =
        subst("%Message%Message%Message%Message%Message%Message%Message%Message");
    EXPECT_EQ(cp1252::utf8Length(out), 1999u);
    EXPECT_EQ(out.size(), 1999u * 2);
}

// --- ErrorPresentation ---------------------------------------------------------

using ErrorPresentation = ErrorClassTest;

TEST_F(ErrorPresentation, benign_shows_nothing) {
    add(kTest, 0, "T", "m");
    EXPECT_EQ(errors.Throw(kTest), Benign);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ErrorPresentation, user_and_fatality_4_ask_yes_no_with_default_yes) {
    for (uint8_t fatality : {1, 4}) {
        add(kTest, fatality, "Pregunta", "¿Seguir?");
        boxes.answer(ui::ButtonNo);
        EXPECT_EQ(errors.Throw(kTest), Cancel);
        EXPECT_EQ(errors.Throw(kTest), Benign);  // script empty: the default, Yes
        const test::RecordedBox& b = boxes.last();
        EXPECT_TRUE(b.answeredByDefault);
        EXPECT_EQ(b.icon, ui::Icon::Exclamation);
        EXPECT_EQ(b.buttons, unsigned{ui::ButtonYes | ui::ButtonNo});
        EXPECT_EQ(b.defaultButton, unsigned{ui::ButtonYes});
        EXPECT_EQ(b.caption, "Pregunta");
        EXPECT_EQ(b.text, "¿Seguir?");
    }
}

TEST_F(ErrorPresentation, notify_is_an_information_box_with_ok) {
    errors.SetFile("Agentes");
    EXPECT_EQ(errors.Throw(30), Notify);
    const test::RecordedBox& b = boxes.last();
    EXPECT_EQ(b.icon, ui::Icon::Information);
    EXPECT_EQ(b.buttons, unsigned{ui::ButtonOk});
    EXPECT_EQ(b.caption, "Error de Integridad Referencial (Borrado)");
    EXPECT_EQ(b.text,
              "Este registro esta siendo referenciado desde la tabla Agentes. Este registro no "
              "puede ser eliminado mientras exista esta referencia.");
    EXPECT_TRUE(boxes.halts().empty());
}

TEST_F(ErrorPresentation, fatal_program_and_unknown_fatalities_halt) {
    for (uint8_t fatality : {2, 3, 6, 255}) {
        boxes.clear();
        add(kTest, fatality, "Fin", "Se termina.");
        EXPECT_EQ(errors.Throw(kTest), Fatal) << int{fatality};
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.last().icon, ui::Icon::Information);
        EXPECT_EQ(boxes.last().buttons, unsigned{ui::ButtonOk});
        EXPECT_EQ(boxes.last().text, "Se termina.  Press OK to end this application");
        ASSERT_EQ(boxes.halts().size(), 1u);
        EXPECT_EQ(boxes.halts()[0].exitCode, 0);
        EXPECT_EQ(boxes.halts()[0].text, "Fin");
    }
}

TEST_F(ErrorPresentation, message_uses_the_warning_icon_and_given_buttons) {
    platform::setLastError(43, "");
    boxes.answer(ui::ButtonCancel);
    EXPECT_EQ(errors.Message(35, 70, ui::ButtonNo), unsigned{ui::ButtonCancel});
    const test::RecordedBox& b = boxes.last();
    EXPECT_EQ(b.icon, ui::Icon::Exclamation);
    EXPECT_EQ(b.buttons, 70u);
    EXPECT_EQ(b.defaultButton, unsigned{ui::ButtonNo});
    EXPECT_EQ(b.caption, "Guardar Registro");
    EXPECT_EQ(errors.SaveErrorCode, 0);  // no snapshot taken
}

TEST_F(ErrorPresentation, take_error_snapshots_and_throw_message_sets_the_text) {
    platform::setLastError(52, "");
    EXPECT_EQ(errors.ThrowMessage(24, "AGENTES:FICHA"), Notify);
    EXPECT_EQ(errors.SaveErrorCode, 52);
    EXPECT_EQ(errors.SaveError, "Archivo ya abierto");
    EXPECT_EQ(boxes.last().text, "El Procedimiento AGENTES:FICHA no fue definido.");
    platform::setLastError(2, "");
    EXPECT_EQ(errors.TakeError(19), Notify);
    EXPECT_EQ(boxes.last().text, "Archivo  no pudo cargarse.  Error: Archivo no encontrado (2).");
}

TEST_F(ErrorPresentation, a_replaced_handler_changes_the_presentation) {
    struct Quiet : ErrorClass {
        Level TakeNotify() override { return Cancel; }
    } quiet;
    quiet.Init();
    EXPECT_EQ(quiet.Throw(22), Cancel);
    EXPECT_TRUE(boxes.shown().empty());
    quiet.Kill();
}

TEST(MessageBoxDefault, without_presenter_a_box_answers_its_default_button) {
    ui::MessageBox box;
    box.buttons = ui::ButtonYes | ui::ButtonNo;
    box.defaultButton = ui::ButtonNo;
    EXPECT_EQ(ui::message(box), unsigned{ui::ButtonNo});
}

// --- ErrorProcedureName --------------------------------------------------------

using ErrorProcedureName = ErrorClassTest;

TEST_F(ErrorProcedureName, names_of_two_threads_do_not_mix) {
    int thread = 1;
    platform::setThreadNumberProvider([&thread] { return thread; });
    EXPECT_EQ(subst("[%Procedure]"), "[]");
    errors.SetProcedureName("Main");
    thread = 2;
    errors.SetProcedureName("Agentes  ");
    thread = 1;
    errors.SetProcedureName("Ddjj:Ficha");
    thread = 2;
    EXPECT_EQ(errors.SubsString(), "[Agentes]");
    errors.SetProcedureName();
    EXPECT_EQ(errors.GetProcedureName(), "");
    errors.SetProcedureName();  // nothing left on thread 2: no effect
    thread = 1;
    EXPECT_EQ(errors.GetProcedureName(), "Ddjj:Ficha");
    errors.SetProcedureName();
    EXPECT_EQ(errors.GetProcedureName(), "Main");
}

TEST_F(ErrorProcedureName, field_and_file_names_lose_trailing_blanks_and_are_cut) {
    errors.SetField("  DDJ:MES   ");
    EXPECT_EQ(errors.FieldName, "  DDJ:MES");
    errors.SetFile(std::string(300, 'a'));
    EXPECT_EQ(errors.FileName.size(), 254u);
}

// --- ErrorMisuse ---------------------------------------------------------------

using ErrorMisuse = ErrorClassTest;

TEST_F(ErrorMisuse, unknown_id_is_identifier_not_found) {
    EXPECT_EQ(assertionOf([&] { errors.Throw(12345); }), "Identifier not found.");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ErrorMisuse, use_before_init_or_after_kill) {
    ErrorClass fresh;
    EXPECT_EQ(assertionOf([&] { fresh.Throw(9); }), "ErrorClass not correctly initialized");
    EXPECT_EQ(assertionOf([&] { fresh.SetProcedureName("Main"); }),
              "ErrorClass incorrectly initialized.");
    EXPECT_EQ(assertionOf([&] { fresh.SetProcedureName(); }),
              "ErrorClass incorrectly initialized.");
    EXPECT_EQ(assertionOf([&] { fresh.AddErrors(DefaultErrors()); }),
              "Unable to add new error message to queue.");
    errors.Kill();
    EXPECT_EQ(assertionOf([&] { errors.Message(9, 6, 2); }),
              "ErrorClass not correctly initialized");
}

TEST_F(ErrorMisuse, a_returning_handler_leaves_safe_results) {
    setAssertionHandler([](const std::string&) {});
    EXPECT_EQ(errors.Throw(12345), Program);
    EXPECT_EQ(errors.Message(12345, 6, ui::ButtonNo), unsigned{ui::ButtonNo});
    ErrorClass fresh;
    EXPECT_EQ(fresh.GetProcedureName(), "");
    EXPECT_EQ(fresh.SubsString(), "");
    EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
}  // namespace vorda
