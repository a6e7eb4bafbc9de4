// Rebuilding the keys of the stored tables (contract in reorganizacion.h).
#include "maintenance/reorganizacion.h"

#include <cstddef>
#include <memory>

#include "data/agentes.h"
#include "data/alicuotas.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/owners.h"
#include "platform/process/errorstate.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"

namespace vorda {

namespace {

constexpr int ReadWriteExclusive = 0x12;

using Describe = const store::TableDesc& (*)();
constexpr Describe kTables[] = {&Agentes::desc, &Ddjj::desc,    &Alicuotas::desc,
                                &AnexoI::desc,  &AnexoII::desc, &AnexoIII::desc};

TableOutcome failed(TableOutcome out) {
    out.result = store::AccessDenied == platform::lastError().code ? TableOutcome::Result::InUse
                                                                   : TableOutcome::Result::Failed;
    out.error = platform::lastErrorText();
    return out;
}

TableOutcome rebuild(const store::TableDesc& desc) {
    TableOutcome out{.table = desc.name, .file = desc.fileName};
    // A record buffer of the table's size, suitably aligned for its fields.
    std::vector<std::max_align_t> buffer(desc.recordSize / sizeof(std::max_align_t) + 1);
    std::unique_ptr<store::File> file = store::makeKeyedTable(desc, buffer.data());
    file->setOwner(TABLE_OWNER);
    const int opened = file->open(ReadWriteExclusive);
    if (opened == store::KeysNeedRebuild) {
        // Marked as damaged: rebuilt closed, under the file's lock alone.
        if (file->buildKeys() != store::Ok)
            return failed(std::move(out));
        return out;
    }
    if (opened != store::Ok) {
        out.result = opened == store::FileNotFound   ? TableOutcome::Result::Missing
                     : opened == store::AccessDenied ? TableOutcome::Result::InUse
                                                     : TableOutcome::Result::Failed;
        out.error = platform::lastErrorText();
        return out;
    }
    const int rebuilt = file->buildKeys();
    file->close();
    return rebuilt == store::Ok ? out : failed(std::move(out));
}

bool leftOut(const TableOutcome& o) {
    return o.result == TableOutcome::Result::InUse || o.result == TableOutcome::Result::Failed;
}

}  // namespace

std::vector<TableOutcome> rebuildTables() {
    std::vector<TableOutcome> outcomes;
    for (Describe desc : kTables)
        outcomes.push_back(rebuild(desc()));
    return outcomes;
}

bool allReorganised(const std::vector<TableOutcome>& outcomes) {
    for (const TableOutcome& o : outcomes) {
        if (leftOut(o))
            return false;
    }
    return true;
}

std::string reorganisationMessage(const std::vector<TableOutcome>& outcomes) {
    if (allReorganised(outcomes))
        return "Los archivos han sido reorganizados";
    std::string text = "No se pudieron reorganizar estos archivos:";
    bool someDone = false;
    for (const TableOutcome& o : outcomes) {
        someDone = someDone || o.result == TableOutcome::Result::Rebuilt;
        if (!leftOut(o))
            continue;
        text += "\n" + o.table + " (" + o.file + "): ";
        text += o.result == TableOutcome::Result::InUse
                    ? "está en uso en otra ventana o en otra estación"
                    : o.error;
    }
    if (someDone)
        text += "\nLos demás archivos han sido reorganizados.";
    return text;
}

}  // namespace vorda
