#include "data/tools/alicuotasbuild.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>

#include "data/alicuotas.h"
#include "data/owners.h"
#include "platform/process/errorstate.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"

namespace vorda::alicuotas_build {

namespace {

constexpr size_t COLUMNS = 4;
constexpr int OPEN_EXCLUSIVE_READ_WRITE = 0x12;

std::vector<std::string> columnsOf(const std::string& line) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::vector<std::string> columns;
    for (std::string word; words >> word;)
        columns.push_back(word);
    return columns;
}

// One parsed line, or the reason it is not a valid row.
struct LineResult {
    std::optional<RateRow> row;
    std::string problem;
};

LineResult fail(std::string problem) {
    return {std::nullopt, std::move(problem)};
}

std::optional<Decimal> amount(const std::string& text, int digits, const char* what,
                              std::string& problem) {
    const std::optional<Decimal> value = Decimal::parse(text);
    if (!value) {
        problem = std::string("bad number '") + text + "' for " + what;
    } else if (*value < Decimal{}) {
        problem = std::string("negative ") + what + " '" + text + "'";
    } else if (!value->fitsDigits(digits)) {
        problem = std::string(what) + " '" + text + "' has more than " + std::to_string(digits) +
                  " digits";
    } else {
        return value;
    }
    return std::nullopt;
}

LineResult parseRow(const std::vector<std::string>& c, int line) {
    if (c.size() != COLUMNS) {
        return fail("expected 4 columns (date, rate 1, rate 2, module amount), found " +
                    std::to_string(c.size()));
    }
    const std::optional<Date> fecha = Date::parse(c[0]);
    if (!fecha || fecha->isEmpty())
        return fail("bad date '" + c[0] + "' (expected dd/mm/yyyy)");
    std::string problem;
    const auto r1 = amount(c[1], Alicuotas::RATE_DIGITS, "rate 1", problem);
    if (!r1)
        return fail(problem);
    const auto r2 = amount(c[2], Alicuotas::RATE_DIGITS, "rate 2", problem);
    if (!r2)
        return fail(problem);
    const auto m = amount(c[3], Alicuotas::MODULE_DIGITS, "module amount", problem);
    if (!m)
        return fail(problem);
    return {RateRow{.line = line,
                    .fecha = *fecha,
                    .alicuota1 = *r1,
                    .alicuota2 = *r2,
                    .importeModulos = *m},
            {}};
}

// Empty when `row` may follow `previous`.
std::string orderProblem(const RateRow& previous, const RateRow& row) {
    const std::string prevLine = std::to_string(previous.line);
    if (row.fecha == previous.fecha) {
        return "duplicate date " + row.fecha.toString() + " (also on line " + prevLine + ")";
    }
    if (row.fecha < previous.fecha) {
        return "date " + row.fecha.toString() + " is not after " + previous.fecha.toString() +
               " (line " + prevLine + "): rows must be in date order";
    }
    return {};
}

std::string at(std::string_view source, int line, const std::string& problem) {
    return std::string(source) + ":" + std::to_string(line) + ": " + problem;
}

std::string driverText(const char* step, const std::string& path) {
    const platform::ErrorState& e = platform::lastError();
    const std::string text = e.code == store::FileSystemError ? e.fileError : e.text;
    return path + ": cannot " + step + " (" + text + ", code " + std::to_string(e.code) + ")";
}

int addRows(store::File& file, Alicuotas& buffer, const std::vector<RateRow>& rows) {
    for (const RateRow& row : rows) {
        buffer = Alicuotas{.FECHA = row.fecha,
                           .ALICUOTA1 = row.alicuota1,
                           .ALICUOTA2 = row.alicuota2,
                           .IMPORTE_MODULOS = row.importeModulos};
        if (const int code = file.add(); code != store::Ok)
            return code;
    }
    return store::Ok;
}

}  // namespace

bool parseAlicuotas(std::istream& in, std::string_view sourceName, std::vector<RateRow>& rows,
                    std::string& error) {
    rows.clear();
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        const std::vector<std::string> columns = columnsOf(line);
        if (columns.empty())
            continue;
        LineResult result = parseRow(columns, lineNumber);
        if (result.row && !rows.empty())
            result.problem = orderProblem(rows.back(), *result.row);
        if (!result.problem.empty()) {
            error = at(sourceName, lineNumber, result.problem);
            return false;
        }
        rows.push_back(*result.row);
    }
    if (rows.empty()) {
        error = std::string(sourceName) + ": no rate rows";
        return false;
    }
    return true;
}

bool writeAlicuotas(const std::vector<RateRow>& rows, const std::string& path, std::string& error) {
    Alicuotas buffer;
    std::unique_ptr<store::File> file = store::makeKeyedTable(Alicuotas::desc(), &buffer);
    file->setName(path);
    file->setOwner(TABLE_OWNER);
    const char* step = "create the table";
    int code = file->create();
    if (code == store::Ok) {
        step = "open the table";
        code = file->open(OPEN_EXCLUSIVE_READ_WRITE);
    }
    if (code == store::Ok) {
        step = "add a row to the table";
        code = addRows(*file, buffer, rows);
    }
    if (code != store::Ok)
        error = driverText(step, path);
    if (file->isOpen())
        file->close();
    if (code != store::Ok) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    return code == store::Ok;
}

}  // namespace vorda::alicuotas_build
