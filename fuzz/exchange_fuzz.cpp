// exchange_fuzz: random bytes as an annex import file (DDJJ_MENSUAL).
//
// The bytes are read through the fixed-record text-file driver (as a file,
// in both read modes), every record goes through both annexes' checks and
// the presentation file check, and slices of the bytes go through the value
// readers and the line decoder in both character sets. Beyond not crashing,
// one property is checked: a record the Annex II (III) checks accept, made
// into an annex line and written back, is a presentation record that the
// same checks accept again.
//
// Built only with -DVORDA_FUZZ=ON and clang (see README.md); run as
//   build-fuzz/fuzz/exchange_fuzz -max_total_time=600 [corpus folder]
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj_mensual.h"
#include "data/exchangelayout.h"
#include "data/exchangevalues.h"
#include "data/exchangeviews.h"
#include "diskette/presentationcheck.h"
#include "import/validation.h"
#include "platform/store/codes.h"
#include "platform/text/textfile.h"

namespace {

using namespace vorda;

// The bytes as a file the driver opens by name.
const std::string& fileOf(const uint8_t* data, size_t size) {
    static const int fd = ::memfd_create("dj_mens", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
        std::abort();
    }
    return path;
}

// A valid record, made into its line and written back, is valid again.
void roundTrip(std::string_view record, int32_t n) {
    const text::TextLine sound;
    if (record[0] == '5' && !import::checkAnexoIIRecord(record, &sound, n)) {
        AnexoII line;
        import::fillAnexoII(exchange::RegistroTipo5(record), line);
        const exchange::BuiltRecord again = exchange::buildTipo5(line);
        if (!again.ok() || import::checkAnexoIIRecord(again.text, &sound, n))
            std::abort();
    }
    if (record[0] == '6' && !import::checkAnexoIIIRecord(record, &sound, n)) {
        AnexoIII line;
        import::fillAnexoIII(exchange::RegistroTipo6(record), line);
        const exchange::BuiltRecord again = exchange::buildTipo6(line);
        if (!again.ok() || import::checkAnexoIIIRecord(again.text, &sound, n))
            std::abort();
    }
}

void readAsImportFile(const uint8_t* data, size_t size) {
    DdjjMensual buffer;
    auto file = store::makeTextFile(DdjjMensual::desc(), &buffer);
    file->setName(fileOf(data, size));
    if (file->open(0x40) != store::Ok)
        return;
    file->send(size % 2 == 0 ? "QUICKSCAN=on" : "QUICKSCAN=off");
    PresentationCheck check;
    for (int32_t n = 1; n < 100000 && file->next() == store::Ok; ++n) {
        const std::string_view record = exchange::recordText(buffer);
        const text::TextLine* line = store::currentLine(*file);
        import::checkAnexoIIRecord(record, line, n);
        import::checkAnexoIIIRecord(record, line, n);
        if (line != nullptr && line->sound())
            roundTrip(record, n);
        check.add(record);
    }
    check.finish();
    check.report();
    file->close();
}

void readSlices(std::string_view bytes) {
    exchange::readNumber(bytes.substr(0, 20));
    exchange::readImportDate(bytes.substr(0, 10));
    exchange::readWrittenNumber(bytes.substr(0, 15), 2);
    exchange::readWrittenNumber(bytes.substr(0, 9), 0);
    exchange::readWrittenDate(bytes.substr(0, 10));
    std::string record;
    for (text::TextEncoding e : {text::TextEncoding::Windows1252, text::TextEncoding::Utf8}) {
        text::decodeLine(bytes, bytes.size() % 3 == 0, e, exchange::RecordLength, record);
        if (record.size() != exchange::RecordLength)
            std::abort();
    }
    import::checkAnexoIIRecord(bytes, nullptr, 1);
    import::checkAnexoIIIRecord(bytes, nullptr, 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    readAsImportFile(data, size);
    readSlices(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
