#include "tests/diskette/diskettefixture.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "data/agentes.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/ddjj_a_presentar.h"
#include "data/dictionary.h"
#include "data/exchangeviews.h"
#include "data/globals.h"
#include "data/owners.h"
#include "diskette/diskette_hooks.h"
#include "diskette/hacer_diskette.h"
#include "diskette/verificar.h"
#include "framework/errorclass.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "platform/store/transaction.h"

namespace vorda::test {

namespace fs = std::filesystem;

void DisketteTest::SetUp() {
    previousHandler_ = setAssertionHandler([](const std::string& t) { throw AssertionFailed(t); });
    previous_ = ui::setPresenter(this);
    GlobalErrors().Init();
    ClearDataGlobals();
    DctInit();
    driveA = dir.file("unidad_a");
    driveB = dir.file("unidad_b");
    fs::create_directory(driveA);
    fs::create_directory(driveB);
    settings.FileName = dir.file("vorda.INI").string();
    settings.Update("Unidades", "A", "unidad_a");
    settings.Update("Unidades", "B", driveB.string());
    DisketteSettings = &settings;
    ImprimirDeclaracion = [this] {
        ++printed;
        printedKey = AGENTE_PERIODO.str();
    };
}

void DisketteTest::TearDown() {
    ImprimirDeclaracion = nullptr;
    DisketteSettings = nullptr;
    DctKill();
    GlobalErrors().Kill();
    ui::setPresenter(previous_);
    setAssertionHandler(previousHandler_);
}

void DisketteTest::seedAgent() {
    ASSERT_EQ(Relate::AGENTES->Open(), Benign);
    AGE.clear();
    AGE.NRO_AGENTE.set(Agent);
    AGE.NRO_CUIT.set("20-12345678-6");
    AGE.DENOMINACION.set("Banco del Vespra");
    AGE.CORREO_ELECTRONICO.set("ddjj@bancovespra.com.ar");
    ASSERT_EQ(Access::AGENTES->Insert(), Benign);
    Relate::AGENTES->Close();
}

void DisketteTest::seed(const Seed& s) {
    ASSERT_EQ(Relate::DDJJ->Open(), Benign);
    DDJ.clear();
    DDJ.AGENTE_PERIODO.set(s.key);
    DDJ.INCISO_A = Decimal::fromInteger(100);
    DDJ.INCISO_H = Decimal::fromInteger(6) + s.cardDifference;
    ASSERT_EQ(Access::DDJJ->Insert(), Benign);
    if (s.annexI) {
        A1.clear();
        A1.AGENTE_PERIODO.set(s.key);
        A1.TARJETA_1 = Decimal::fromInteger(1);
        A1.TARJETA_11 = Decimal::fromInteger(5);
        ASSERT_EQ(Access::ANEXOI->Insert(), Benign);
    }
    // Many lines go in one transaction, not one synchronous write each.
    store::Transaction lines;
    for (int i = 1; i <= s.annexII; ++i) {
        if (i == 2) {
            ASSERT_EQ(lines.begin({Access::ANEXOII->File}, 10), store::Ok);
        }
        A2.clear();
        A2.AGENTE_PERIODO.set(s.key);
        A2.INCISO.set("c");
        A2.CUIT.set("20-12345678-6");
        A2.NRO_ORDEN = i;
        A2.VALOR = Decimal::fromInteger(60000 + i);
        ASSERT_EQ(Access::ANEXOII->Insert(), Benign);
    }
    if (lines.active()) {
        ASSERT_EQ(lines.commit(), store::Ok);
    }
    for (int i = 1; i <= s.annexIII; ++i) {
        A3.clear();
        A3.AGENTE_PERIODO.set(s.key);
        A3.NRO_ORDEN = i;
        A3.VALOR = Decimal::fromInteger(i);
        ASSERT_EQ(Access::ANEXOIII->Insert(), Benign);
    }
    Relate::DDJJ->Close();
}

void DisketteTest::write(const char* drive, const std::string& key) {
    AGENTE_PERIODO.set(key);
    HACER_DISKETTE(drive);
}

void DisketteTest::onBox(std::string start, std::function<void()> action) {
    actions_.emplace_back(std::move(start), std::move(action));
}

unsigned DisketteTest::show(const ui::MessageBox& box) {
    texts_.push_back(box.text);
    boxes_.push_back(box);
    for (auto& [start, action] : actions_) {
        if (action && box.text.rfind(start, 0) == 0) {
            std::exchange(action, nullptr)();
            break;
        }
    }
    return box.defaultButton;
}

void DisketteTest::halt(int, const std::string& text) {
    ADD_FAILURE() << "halt: " << text;
}

std::vector<std::string> DisketteTest::records(const fs::path& file) {
    DdjjAPresentar buffer;
    std::unique_ptr<store::File> f = store::makeKeyedTable(DdjjAPresentar::desc(), &buffer);
    f->setName(file.string());
    f->setOwner(PRESENTATION_OWNER);
    std::vector<std::string> out;
    if (f->open(0x40) != store::Ok)
        return out;
    f->setKey(0);
    while (f->next() == store::Ok)
        out.emplace_back(exchange::recordText(buffer));
    return out;
}

std::string DisketteTest::types(const fs::path& file) {
    const Verification v = verifyPresentationFile(file.string());
    if (!v.sound())
        return v.report().front();
    std::string out;
    for (const std::string& r : records(file))
        out += r[0];
    return out;
}

std::vector<std::string> DisketteTest::filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> DisketteTest::temporaries() const {
    std::vector<std::string> out;
    for (const std::string& name : filesIn(dir.path())) {
        if (name.rfind("Tmp", 0) == 0)
            out.push_back(name);
    }
    return out;
}

}  // namespace vorda::test
