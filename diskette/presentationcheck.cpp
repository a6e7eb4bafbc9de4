// The check of a presentation file (contract in presentationcheck.h).
#include "diskette/presentationcheck.h"

#include <optional>

#include "data/exchangelayout.h"
#include "data/exchangevalues.h"
#include "data/validar_cuit.h"

namespace vorda {

namespace {

using exchange::LayoutField;
using exchange::Rendering;

std::string columnsText(const LayoutField& f) {
    return std::to_string(f.first) + "-" + std::to_string(f.first + f.width - 1);
}

// The fault of one field, or "" when it reads as its rendering says.
std::string fieldFault(const LayoutField& f, std::string_view text) {
    const std::string where = " EN COLUMNAS " + columnsText(f) + " (" + f.name + ")";
    switch (f.rendering) {
        case Rendering::Amount:
        case Rendering::Rate:
            return exchange::readWrittenNumber(text, 2) ? "" : "IMPORTE ILEGIBLE" + where;
        case Rendering::Order:
            return exchange::readWrittenNumber(text, 0) ? "" : "NUMERO ILEGIBLE" + where;
        case Rendering::Date:
            return exchange::readWrittenDate(text) ? "" : "FECHA ILEGIBLE" + where;
        case Rendering::Filler:
            return text.find_first_not_of('*') == std::string_view::npos
                       ? ""
                       : "RELLENO INCORRECTO" + where;
        case Rendering::Cuit:
            return cuitIsAcceptable(text) ? "" : "C.U.I.T. NO VALIDO" + where;
        case Rendering::Text:
        case Rendering::Digit:
            return "";
    }
    return "";
}

bool allDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

void PresentationCheck::fault(std::string text) {
    faults_.push_back({.record = finished_ ? 0 : records_, .text = std::move(text)});
}

// 1, 2, 3, at most one 4, then 5s, then 6s.
bool PresentationCheck::inOrder(int type) const {
    switch (type) {
        case 1:
        case 2:
        case 3:
            return lastType_ == type - 1;
        case 4:
            return lastType_ == 3;
        case 5:
            return lastType_ >= 3 && lastType_ <= 5;
        case 6:
            return lastType_ >= 3;
        default:
            return false;
    }
}

void PresentationCheck::add(std::string_view record) {
    ++records_;
    if (record.size() != exchange::RecordLength) {
        fault("LONGITUD DE " + std::to_string(record.size()) + " CARACTERES, NO 180");
        return;
    }
    const int type = record[0] >= '1' && record[0] <= '6' ? record[0] - '0' : 0;
    if (type == 0) {
        fault("TIPO DE REGISTRO NO VALIDO");
        return;
    }
    ++counts_[static_cast<size_t>(type)];
    if (!inOrder(type))
        fault("REGISTRO DE TIPO " + std::to_string(type) + " FUERA DE ORDEN");
    lastType_ = std::max(lastType_, type);
    checkFields(type, record);
    noteTotals(type, record);
}

void PresentationCheck::checkFields(int type, std::string_view record) {
    for (const LayoutField& f : exchange::layoutOf(type)) {
        std::string text = fieldFault(f, exchange::columns(record, f));
        if (!text.empty())
            fault(std::move(text));
    }
    if (type == 1)
        checkPeriod(record);
}

// Year of four digits, month 01 to 12, presentation of two digits.
void PresentationCheck::checkPeriod(std::string_view record) {
    const std::string_view year = record.substr(1, 4);
    const std::string_view month = record.substr(5, 2);
    const std::string_view presentation = record.substr(7, 2);
    const bool monthOk = allDigits(month) && month >= "01" && month <= "12";
    if (!allDigits(year) || !monthOk || !allDigits(presentation))
        fault("PERIODO ILEGIBLE EN COLUMNAS 2-9");
}

void PresentationCheck::noteTotals(int type, std::string_view record) {
    if (type != 3 && type != 4)
        return;
    for (const LayoutField& f : exchange::layoutOf(type)) {
        if (f.rendering != Rendering::Amount)
            continue;
        const Decimal value =
            exchange::readWrittenNumber(exchange::columns(record, f), 2).value_or(Decimal{});
        if (type == 4)
            cardTotal_ += value;
        else if (f.first == 2)
            incisoH_ = value;
    }
}

void PresentationCheck::finish() {
    finished_ = true;  // the faults below concern the whole file
    if (records_ == 0) {
        fault("EL ARCHIVO NO TIENE REGISTROS");
        return;
    }
    for (int type = 1; type <= 3; ++type) {
        if (counts_[static_cast<size_t>(type)] != 1) {
            fault("DEBE HABER UN REGISTRO DE TIPO " + std::to_string(type) + " Y HAY " +
                  std::to_string(counts_[static_cast<size_t>(type)]));
        }
    }
    if (counts_[4] > 1)
        fault("HAY " + std::to_string(counts_[4]) + " REGISTROS DE TIPO 4");
    if (counts_[4] == 1 && cardTotal_ != incisoH_) {
        fault("EL TOTAL DEL ANEXO I (" + cardTotal_.toString() + ") DIFIERE DEL INCISO H (" +
              incisoH_.toString() + ")");
    }
}

std::vector<std::string> PresentationCheck::report() const {
    std::vector<std::string> lines;
    for (const PresentationFault& f : faults_) {
        lines.push_back(f.record > 0 ? "REGISTRO " + std::to_string(f.record) + ": " + f.text
                                     : f.text);
    }
    if (!lines.empty())
        return lines;
    std::string counts = std::to_string(records_) + " REGISTROS:";
    for (int type = 1; type <= 6; ++type) {
        counts += (type > 1 ? "," : "") + std::string(" ") +
                  std::to_string(counts_[static_cast<size_t>(type)]) + " DE TIPO " +
                  std::to_string(type);
    }
    lines.push_back(counts);
    return lines;
}

}  // namespace vorda
