// The platform's last error state and logical thread numbers.
#include "platform/process/errorstate.h"

#include <gtest/gtest.h>

#include "platform/process/threadnumber.h"

namespace vorda::platform {
namespace {

TEST(ErrorState, driver_codes_have_their_spanish_texts) {
    EXPECT_EQ(errorText(2), "Archivo no encontrado");
    EXPECT_EQ(errorText(33), "No hay más registros");
    EXPECT_EQ(errorText(89), "Registro modificado por otra estación");
    EXPECT_EQ(errorText(90), "Error del sistema de archivos");
    EXPECT_EQ(errorText(0), "");
    EXPECT_EQ(errorText(41), "");
}

TEST(ErrorState, set_fills_a_missing_text_and_clear_resets_everything) {
    setLastError(40, "");
    EXPECT_EQ(lastError().code, 40);
    EXPECT_EQ(lastError().text, "Clave duplicada");
    setLastError(90, "Disco lleno", "13", "database or disk is full");
    EXPECT_EQ(lastError().text, "Disco lleno");
    EXPECT_EQ(lastError().fileErrorCode, "13");
    EXPECT_EQ(lastError().fileError, "database or disk is full");
    clearLastError();
    EXPECT_EQ(lastError().code, 0);
    EXPECT_EQ(lastError().fileError, "");
}

TEST(ThreadNumber, provider_answers_and_removing_it_restores_thread_one) {
    EXPECT_EQ(currentThreadNumber(), 1);
    int n = 7;
    setThreadNumberProvider([&n] { return n; });
    EXPECT_EQ(currentThreadNumber(), 7);
    n = 3;
    EXPECT_EQ(currentThreadNumber(), 3);
    setThreadNumberProvider(nullptr);
    EXPECT_EQ(currentThreadNumber(), 1);
}

}  // namespace
}  // namespace vorda::platform
