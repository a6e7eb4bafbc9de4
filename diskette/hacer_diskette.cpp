// HACER_DISKETTE (contract in hacer_diskette.h).
#include "diskette/hacer_diskette.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "data/agentes.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/ddjj_a_presentar.h"
#include "data/exchangelayout.h"
#include "data/globals.h"
#include "data/owners.h"
#include "diskette/diskette_hooks.h"
#include "diskette/mediacopy.h"
#include "diskette/unidades.h"
#include "diskette/verificar.h"
#include "platform/process/errorstate.h"
#include "platform/store/codes.h"
#include "platform/store/connection.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "platform/store/transaction.h"
#include "platform/types/trim.h"
#include "platform/ui/messagebox.h"

namespace vorda {

namespace {

namespace fs = std::filesystem;
using exchange::BuiltRecord;

constexpr int ReadShared = 0x40;
constexpr int ReadWriteExclusive = 0x12;
constexpr int LockSeconds = 10;

constexpr const char* AgentError = "Error en Archivo de Agentes de Retención ";
constexpr const char* DeclarationError = "Error en las declaraciones juradas ";
constexpr const char* CreateError = "Error al crear archivo temporario ";
constexpr const char* OpenError = "Error al abrir archivo temporario ";
constexpr const char* CardTotalError = "ERROR EN MONTO TOTAL INGRESADO POR TARJETAS";
constexpr const char* CountNotice = "Nº DE REGISTROS PROCESADOS: ";
constexpr const char* InsertNotice = "INSERTE DISKETTE EN ";
constexpr const char* DoneNotice =
    "DISKETTE GENERADO - PREPARE LA IMPRESORA Y PRESIONE ACEPTAR PARA CONTINUAR";
constexpr const char* CopyError = "NO SE PUDO GENERAR EL DISKETTE        ";
constexpr const char* AddError = "Error al grabar el archivo temporario ";
constexpr const char* TooWideError = "VALOR DEMASIADO GRANDE PARA EL DISKETTE EN ";
constexpr const char* NotSoundError = "EL ARCHIVO GENERADO NO ES VALIDO: ";

void errorBox(const std::string& text) {
    ui::message({.text = text, .icon = ui::Icon::Question, .okLabel = "Cerrar"});
}

void noticeBox(const std::string& text, const char* label, ui::Icon icon = ui::Icon::None) {
    ui::message({.text = text, .icon = icon, .okLabel = label});
}

// A table of the declaration opened directly, over a record buffer of its
// own, read only and shared. A table that could not be opened keeps the
// reason for the fetch that follows.
template <class Record>
struct DirectTable {
    DirectTable() {
        file->setOwner(TABLE_OWNER);
        openCode = file->open(ReadShared);
        if (openCode != store::Ok)
            openError = platform::lastErrorText();
    }
    // Reads the record whose key `key` is in the buffer: the driver code,
    // with the error's text in `error`.
    int get(int key, std::string& error) {
        if (openCode != store::Ok) {
            error = openError;
            return openCode;
        }
        const int code = file->get(key);
        error = code == store::Ok ? std::string() : platform::lastErrorText();
        return code;
    }

    Record record{};
    std::unique_ptr<store::File> file = store::makeKeyedTable(Record::desc(), &record);
    int openCode = store::Ok;
    std::string openError;
};

// The run's temporary presentation file in the working directory, removed
// with the store's files beside it when the run ends, unless it was moved.
class TemporaryFile {
public:
    ~TemporaryFile() { remove(); }
    bool reserve() {
        // A run killed a day ago or more left its file and the store's
        // files beside it: no run still uses them.
        removeStale(".", "Tmp", ".$$$", std::chrono::hours{24});
        name_ = reserveUniqueName(".", "Tmp", ".$$$");
        return !name_.empty();
    }
    const std::string& name() const { return name_; }
    // The file itself was renamed away; only what lies beside it is left.
    void moved() { moved_ = true; }
    void remove() {
        if (name_.empty())
            return;
        std::error_code ec;
        for (const char* suffix : {"", ".lck", "-journal", ".new", ".new-journal"}) {
            if (*suffix != '\0' || !moved_)
                fs::remove(name_ + suffix, ec);
        }
        name_.clear();
    }

private:
    std::string name_;
    bool moved_ = false;
};

std::string eightDigits(int32_t n) {
    char text[16];
    std::snprintf(text, sizeof text, "%08d", static_cast<int>(n));
    return text;
}

Decimal cardTotal(const AnexoI& a) {
    return a.TARJETA_1 + a.TARJETA_2 + a.TARJETA_3 + a.TARJETA_4 + a.TARJETA_5 + a.TARJETA_6 +
           a.TARJETA_7 + a.TARJETA_8 + a.TARJETA_9 + a.TARJETA_10 + a.TARJETA_11;
}

class DisketteWriter {
public:
    explicit DisketteWriter(char drive) : drive_(drive), key_(AGENTE_PERIODO) {}
    void run();

private:
    bool fetchAgentAndDeclaration();
    bool createTemporary();
    bool writeRecords();
    bool addFixedRecords();
    bool addAnnexI(bool& stop);
    template <class Line>
    bool addLines(DirectTable<Line>& table, BuiltRecord (*build)(const Line&), const char* annex);
    bool add(const BuiltRecord& record, const std::string& where);
    bool checkWritten();
    void deliver();
    std::string targetName();

    char drive_;
    DeclarationKey key_;  // the declaration, as AGENTE_PERIODO named it at the start
    DirectTable<Agentes> agentes_;
    DirectTable<Ddjj> ddjj_;
    DirectTable<AnexoI> anexoI_;
    DirectTable<AnexoII> anexoII_;
    DirectTable<AnexoIII> anexoIII_;
    TemporaryFile temporary_;
    DdjjAPresentar out_{};
    // On a connection of its own: its writes leave the read-ahead of the
    // annex tables' reads on the shared connection alone.
    std::unique_ptr<store::File> presentation_ =
        store::makeKeyedTable(DdjjAPresentar::desc(), &out_, store::Connection::createSeparate());
    int32_t written_ = 0;
};

void DisketteWriter::run() {
    if (!fetchAgentAndDeclaration() || !createTemporary() || !writeRecords() || !checkWritten()) {
        return;
    }
    deliver();
}

bool DisketteWriter::fetchAgentAndDeclaration() {
    std::string error;
    agentes_.record.NRO_AGENTE.setRaw(key_.NRO_AGENTE().raw());
    if (agentes_.get(Agentes::AGE_NRO, error) != store::Ok) {
        errorBox(AgentError + error);
        return false;
    }
    ddjj_.record.AGENTE_PERIODO = key_;
    if (ddjj_.get(Ddjj::DDJJ, error) != store::Ok) {
        errorBox(DeclarationError + error);
        return false;
    }
    return true;
}

bool DisketteWriter::createTemporary() {
    if (!temporary_.reserve()) {
        errorBox(CreateError + platform::systemErrorText(errno));
        return false;
    }
    ARCHIVO_DDJJ_A_PRESENTAR.set(temporary_.name());
    presentation_->setName(temporary_.name());
    presentation_->setOwner(PRESENTATION_OWNER);
    if (presentation_->create() != store::Ok) {
        errorBox(CreateError + platform::lastErrorText());
        return false;
    }
    if (presentation_->open(ReadWriteExclusive) != store::Ok) {
        errorBox(OpenError + platform::lastErrorText());
        return false;
    }
    return true;
}

// Types 1 to 6 in one transaction, committed only when all were added.
bool DisketteWriter::writeRecords() {
    store::Transaction transaction;
    if (transaction.begin({presentation_.get()}, LockSeconds) != store::Ok) {
        errorBox(AddError + platform::lastErrorText());
        return false;
    }
    bool stop = false;
    const bool ok = addFixedRecords() && addAnnexI(stop) && !stop &&
                    addLines(anexoII_, &exchange::buildTipo5, "ANEXO II") &&
                    addLines(anexoIII_, &exchange::buildTipo6, "ANEXO III");
    if (!ok)
        return false;
    if (transaction.commit() != store::Ok) {
        errorBox(AddError + platform::lastErrorText());
        return false;
    }
    presentation_->close();
    return true;
}

bool DisketteWriter::addFixedRecords() {
    return add(exchange::buildTipo1(agentes_.record, ddjj_.record), "AGENTE") &&
           add(exchange::buildTipo2(ddjj_.record), "DECLARACION JURADA") &&
           add(exchange::buildTipo3(ddjj_.record), "DECLARACION JURADA");
}

// The type-4 record when the declaration has its Annex I; `stop` when the
// card totals differ from inciso h).
bool DisketteWriter::addAnnexI(bool& stop) {
    if (anexoI_.openCode == store::FileNotFound)
        return true;  // no Annex I was ever stored
    anexoI_.record.AGENTE_PERIODO = key_;
    std::string error;
    const int code = anexoI_.get(AnexoI::ANEXOI, error);
    if (code == store::RecordNotFound)
        return true;
    if (code != store::Ok) {
        errorBox("Error en el archivo del ANEXO I " + error);
        return false;
    }
    if (cardTotal(anexoI_.record) != ddjj_.record.INCISO_H) {
        errorBox(CardTotalError);
        stop = true;
        return true;
    }
    return add(exchange::buildTipo4(anexoI_.record), "ANEXO I");
}

// One record per line of the declaration, in the table's order.
template <class Line>
bool DisketteWriter::addLines(DirectTable<Line>& table, BuiltRecord (*build)(const Line&),
                              const char* annex) {
    if (table.openCode == store::FileNotFound)
        return true;  // the table was never created: no lines
    const std::string failed = "Error en el archivo del " + std::string(annex) + " ";
    if (table.openCode != store::Ok) {
        errorBox(failed + table.openError);
        return false;
    }
    table.file->send("QUICKSCAN=on");
    table.record.AGENTE_PERIODO = key_;
    int code = table.file->setKey(1);
    for (int32_t line = 1; code == store::Ok; ++line) {
        code = table.file->next();
        if (code != store::Ok || !(table.record.AGENTE_PERIODO == key_))
            break;
        if (!add(build(table.record), std::string(annex) + ", LINEA " + std::to_string(line)))
            return false;
    }
    if (code != store::Ok && code != store::NoMoreRecords) {
        errorBox(failed + platform::lastErrorText());
        return false;
    }
    return true;
}

bool DisketteWriter::add(const BuiltRecord& record, const std::string& where) {
    if (!record.ok()) {
        errorBox(TooWideError + where + ", CAMPO " + record.badField);
        return false;
    }
    out_.TIPO_DE_CAMPO.setRaw(std::string_view(record.text).substr(0, 1));
    out_.RENGLON.setRaw(std::string_view(record.text).substr(1));
    if (presentation_->add() != store::Ok) {
        errorBox(AddError + platform::lastErrorText());
        return false;
    }
    ++written_;
    return true;
}

bool DisketteWriter::checkWritten() {
    const Verification v = verifyPresentationFile(temporary_.name());
    if (v.sound())
        return true;
    errorBox(NotSoundError + v.report().front());
    return false;
}

std::string DisketteWriter::targetName() {
    return "DJ" + std::string(key_.AÑO().raw()) + std::string(key_.MES().raw()) + ".DAT";
}

// Steps 8 to 10: the count, the prompt, the copy and what follows it.
void DisketteWriter::deliver() {
    noticeBox(CountNotice + eightDigits(written_), "Cerrar");
    noticeBox(InsertNotice + std::string(1, drive_) + ":", "Aceptar");
    const DriveLetters::Drive drive = DriveLetters().resolve(drive_);
    const std::string error =
        drive.folder ? copyToMedia(temporary_.name(), *drive.folder, targetName()) : drive.problem;
    if (!error.empty()) {
        errorBox(CopyError + error);
        if (std::rename(temporary_.name().c_str(), targetName().c_str()) == 0)
            temporary_.moved();
        return;
    }
    noticeBox(DoneNotice, "Aceptar", ui::Icon::Information);
    temporary_.remove();
    AGENTE_PERIODO = key_;
    if (ImprimirDeclaracion)
        ImprimirDeclaracion();
}

}  // namespace

void HACER_DISKETTE(std::string_view unidad) {
    const std::string_view given = trimLeft(unidad);
    const char letter = given.empty() ? 'A' : given.front();
    DisketteWriter(letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter)
        .run();
}

}  // namespace vorda
