// Annex import files of every shape, read through DDJJ_MENSUAL's text-file
// driver record by record and checked as the import checks them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "data/anexoii.h"
#include "data/ddjj_mensual.h"
#include "data/exchangelayout.h"
#include "data/exchangeviews.h"
#include "import/validation.h"
#include "platform/store/codes.h"
#include "platform/text/textfile.h"
#include "tests/support/tempdir.h"

namespace vorda::import {
namespace {

using Messages = std::vector<std::string>;

std::string validLine(std::string_view contratante = "Comercial del Norte") {
    AnexoII a;
    a.DOCUMENTO.set("PAGARE");
    a.INCISO.set("d");
    a.FECHA_DOCUMENTO = *Date::parse("05/03/2001");
    a.CONTRATANTE.setRaw(contratante);
    a.CUIT.set("20-12345678-6");
    a.NRO_ORDEN = 7;
    a.VALOR = *Decimal::parse("75000");
    a.FECHA_REGISTRO = *Date::parse("06/03/2001");
    return exchange::buildTipo5(a).text;
}

class ImportFile : public ::testing::Test {
protected:
    void write(const std::string& bytes) {
        std::ofstream("DJ_MENS.TXT", std::ios::binary) << bytes;
    }

    // One entry per record: "ok" or the check's message.
    Messages checkAll() {
        Messages out;
        std::unique_ptr<store::File> file = store::makeTextFile(DdjjMensual::desc(), &buffer);
        openCode = file->open(0x40);
        if (openCode != store::Ok)
            return out;
        file->send("QUICKSCAN=on");
        int32_t n = 0;
        while (file->next() == store::Ok) {
            const std::optional<std::string> m =
                checkAnexoIIRecord(exchange::recordText(buffer), store::currentLine(*file), ++n);
            out.push_back(m.value_or("ok"));
        }
        return out;
    }

    test::TempDir dir;
    DdjjMensual buffer;
    int openCode = store::Ok;
};

TEST_F(ImportFile, line_ends_lengths_and_bytes_of_every_shape) {
    const std::string v = validLine();
    write(v + "\r\n" +                            // 1 exact, CR LF
          v.substr(0, 179) + "\r\n" +             // 2 179: padded
          v + " \r\n" +                           // 3 181, a trailing blank
          v + "X\r\n" +                           // 4 181, a character
          "\r\n" +                                // 5 empty
          v + std::string(99820, '*') + "\r\n" +  // 6 100,000
          v.substr(0, 60) + std::string(1, '\0') + v.substr(61) + "\r\n" +  // 7 NUL
          v + "\n" +                                                        // 8 LF only
          v);                                                               // 9 no line end
    EXPECT_EQ(checkAll(),
              (Messages{"ok", "ok", "ok", "REGISTRO DE MAS DE 180 CARACTERES - REGISTRO 4",
                        "EL TIPO DE CAMPO DEBE SER 5 - REGISTRO 5",
                        "REGISTRO DE MAS DE 180 CARACTERES - REGISTRO 6",
                        "CARACTERES NO VALIDOS EN EL REGISTRO - REGISTRO 7", "ok", "ok"}));
}

TEST_F(ImportFile, a_utf8_file_with_accents_loads_the_same_letters) {
    const std::string cp1252 = validLine(
        "\xd1"
        "and\xfa S.A.");  // "Ñandú S.A."
    std::string utf8 = cp1252;
    utf8.replace(27, 30, std::string("Ñandú S.A.") + std::string(20, ' '));
    write(utf8 + "\r\n");
    EXPECT_EQ(checkAll(), Messages{"ok"});
    AnexoII line;
    fillAnexoII(exchange::RegistroTipo5(exchange::recordText(buffer)), line);
    EXPECT_EQ(line.CONTRATANTE.str(), "Ñandú S.A.");
    EXPECT_EQ(exchange::recordText(buffer), cp1252);
}

TEST_F(ImportFile, empty_binary_and_unopenable_files) {
    write("");
    EXPECT_EQ(checkAll(), Messages{});
    std::string binary;
    for (int i = 0; i < 5000; ++i)
        binary += static_cast<char>((i * 7919) % 256);
    write(binary);
    const Messages m = checkAll();
    ASSERT_FALSE(m.empty());
    for (const std::string& one : m)
        EXPECT_NE(one, "ok");
    std::filesystem::remove("DJ_MENS.TXT");
    std::filesystem::create_directory("DJ_MENS.TXT");
    EXPECT_EQ(checkAll(), Messages{});
    EXPECT_EQ(openCode, store::FileSystemError);
    std::filesystem::remove("DJ_MENS.TXT");
    EXPECT_EQ(checkAll(), Messages{});
    EXPECT_EQ(openCode, store::FileNotFound);
    EXPECT_FALSE(std::filesystem::exists("DJ_MENS.TXT"));  // nothing was created
}

}  // namespace
}  // namespace vorda::import
