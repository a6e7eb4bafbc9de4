// The checking and loading passes of an annex import (contract in
// annexpasses.h).
#include "import/annexpasses.h"

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "data/ddjj_mensual.h"
#include "data/dictionary.h"
#include "data/exchangeviews.h"
#include "data/globals.h"
#include "data/owners.h"
#include "framework/processclass.h"
#include "framework/progresswindow.h"
#include "framework/reportmanager.h"
#include "import/invalidrecords.h"
#include "platform/process/errorstate.h"
#include "platform/store/codes.h"
#include "platform/store/connection.h"
#include "platform/store/transaction.h"
#include "platform/text/textfile.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::import {

namespace {

constexpr uint8_t ReadShared = 0x40;
constexpr int ReadWriteShared = 0x42;
constexpr int LockSeconds = 10;
constexpr int32_t ImportTimeSlice = 50;  // hundredths of a second

void errorBox(const std::string& text) {
    ui::message({.text = text, .icon = ui::Icon::Question, .okLabel = "Cerrar"});
}

// The record just read and what the reader found on its line.
std::string_view currentRecord() {
    return exchange::recordText(DJM);
}

const text::TextLine* currentLineInfo() {
    return store::currentLine(*Access::DDJJ_MENSUAL->File);
}

constexpr const char* RunningCaption = "Processing Records";

// Runs `process` over DDJJ_MENSUAL named `fileName` (opened for reading only)
// with the progress window `caption`; the run's response.
uint8_t runOverFile(ProcessClass& process, const char* caption, std::string_view fileName) {
    ARCHIVO_DDJJ_MENSUAL = std::string(fileName);
    FileManager& mensual = *Access::DDJJ_MENSUAL;
    const uint8_t mode = mensual.OpenMode;
    mensual.OpenMode = ReadShared;
    uint8_t percent = 0;
    // Laid out for the caption it shows while the pass runs.
    ui::WindowDesc desc = progressWindowDesc(RunningCaption);
    desc.caption = caption;
    ui::Window window(std::move(desc));
    bindProgress(window, percent);
    const bool opened = Relate::DDJJ_MENSUAL->Open() == Benign;
    process.Init(Relate::DDJJ_MENSUAL, &window, ProgressCtl::PctText, &percent);
    process.AddSortOrder();
    process.SetQuickScan(true);
    ReportManager run(window);
    uint8_t response = ResponseCancelled;
    if (run.Init(process) == Benign) {
        // Half a second of work a tick: with the engine's doubling, no tick
        // keeps the windows waiting much longer than a second.
        run.TimeSlice = ImportTimeSlice;
        window.setCaption(RunningCaption);
        window.control(ProgressCtl::PctText).setText("0% Completed");
        window.control(ProgressCtl::UserString).setText("");
        run.Ask();
        response = run.Response;
    }
    run.Kill();
    process.Kill();
    if (opened)
        Relate::DDJJ_MENSUAL->Close();
    mensual.OpenMode = mode;
    return response;
}

class CheckingPass final : public ProcessClass {
public:
    CheckingPass(const AnnexImport& annex, InvalidRecords& invalid)
        : annex_(annex), invalid_(invalid) {}

    Level TakeRecord() override {
        if (registro_ == 0)
            result = 0;
        ++registro_;
        const std::string_view record = currentRecord();
        if (std::optional<std::string> m = annex_.check(record, currentLineInfo(), registro_)) {
            result = 1;
            invalid_.add(registro_, *m, record);
        }
        return Benign;
    }

    uint8_t result = 1;

private:
    const AnnexImport& annex_;
    InvalidRecords& invalid_;
    int32_t registro_ = 0;
};

// Adds the lines to the annex table through a file of its own, on a
// connection of its own, inside one transaction that only commit() ends
// well; destroyed before, it rolls everything back.
class LoadingPass final : public ProcessClass {
public:
    LoadingPass(const AnnexImport& annex, const DeclarationKey& key)
        : annex_(annex),
          key_(key),
          buffer_(annex.table().recordSize / sizeof(std::max_align_t) + 1) {}

    // Opens the table (creating it when missing) and starts the transaction:
    // "" or the message.
    std::string begin() {
        const std::string failed = "Error en el archivo del " + std::string(annex_.annex) + " ";
        target_ = store::makeKeyedTable(annex_.table(), buffer_.data(),
                                        store::Connection::createSeparate());
        target_->setOwner(TABLE_OWNER);
        int code = target_->open(ReadWriteShared);
        if (code == store::FileNotFound && target_->create() == store::Ok)
            code = target_->open(ReadWriteShared);
        if (code != store::Ok)
            return failed + platform::lastErrorText();
        if (transaction_.begin({target_.get()}, LockSeconds) != store::Ok)
            return failed + platform::lastErrorText();
        return {};
    }

    Level TakeRecord() override {
        ++registro_;
        const std::string_view record = currentRecord();
        if (std::optional<std::string> m = annex_.check(record, currentLineInfo(), registro_)) {
            ui::message({.text = *m});
            failed = true;
            return Fatal;
        }
        annex_.fill(record, key_, buffer_.data());
        if (target_->add() != store::Ok) {
            errorBox("NO SE PUDO AGREGAR LA LINEA DEL REGISTRO " + std::to_string(registro_) +
                     ": " + platform::lastErrorText());
            failed = true;
            return Fatal;
        }
        return Benign;
    }

    // Stores every line added, or tells why it could not. The commit of a
    // large file writes for a while: it runs on an OS thread of its own (the
    // pass's connection is used by nobody else meanwhile), so the windows
    // stay responsive.
    bool commit() {
        if (failed)
            return false;
        int code = store::Ok;
        std::string error;
        ui::Runtime::current().awaitWorker([&] {
            code = transaction_.commit();
            if (code != store::Ok)
                error = platform::lastErrorText();
        });
        if (code == store::Ok)
            return true;
        errorBox("Error al grabar el archivo del " + std::string(annex_.annex) + " " + error);
        return false;
    }

    bool failed = false;

private:
    const AnnexImport& annex_;
    DeclarationKey key_;
    std::vector<std::max_align_t> buffer_;
    std::unique_ptr<store::File> target_;
    store::Transaction transaction_;  // after target_: rolled back before it closes
    int32_t registro_ = 0;
};

}  // namespace

uint8_t runCheckingPass(const AnnexImport& annex, std::string_view fileName) {
    InvalidRecords invalid;
    CheckingPass pass(annex, invalid);
    const uint8_t response = runOverFile(pass, "Chequeando...", fileName);
    if (invalid.someUntold())
        showInvalidRecords(invalid);
    // A pass that did not run to its end checked only part of the file.
    return response == ResponseCompleted ? pass.result : 1;
}

uint8_t runLoadingPass(const AnnexImport& annex, std::string_view fileName) {
    LoadingPass pass(annex, AGENTE_PERIODO);
    if (const std::string problem = pass.begin(); !problem.empty()) {
        errorBox(problem);
        return 1;
    }
    const uint8_t response = runOverFile(pass, "Importando...", fileName);
    return response == ResponseCompleted && pass.commit() ? 0 : 1;
}

}  // namespace vorda::import
