// ErrorClass: catalogue, substitution and presentation of errors.
//
// The catalogue is a queue of entries appended block by block; selection
// searches it from the newest entry back. Substitution is one left-to-right
// scan of the selected message: at each "%" the tokens are tried in the order
// of kTokens (a longer token before the shorter one that is its prefix), then
// "%Previous" with exact case. Inserted values are never scanned again, so a
// file name or message text that happens to contain "%Field" stays as it is.
#include "framework/errorclass.h"

#include <string>

#include "framework/assertion.h"
#include "platform/process/errorstate.h"
#include "platform/process/threadnumber.h"
#include "platform/types/cp1252.h"
#include "platform/types/trim.h"
#include "platform/ui/messagebox.h"

namespace vorda {

namespace {

constexpr size_t kFieldChars = 254;  // FieldName, FileName, MessageText, saved texts
constexpr size_t kWorkChars = 1999;  // a substituted message
constexpr int kFileDriverCode = 90;  // the platform code of an error told by a file driver

constexpr const char* kNotFound = "Identifier not found.";
constexpr const char* kNamesNotInit = "ErrorClass incorrectly initialized.";
constexpr const char* kEntriesNotInit = "ErrorClass not correctly initialized";
constexpr const char* kCannotAdd = "Unable to add new error message to queue.";
constexpr const char* kFatalSuffix = "  Press OK to end this application";

struct DefaultEntry {
    uint16_t Id;
    uint8_t Fatality;
    const char* Title;
    const char* Message;
};

// The default catalogue, in stored order (texts in UTF-8; packed as Windows-1252).
constexpr DefaultEntry kDefaultErrors[] = {
    {.Id = 27,
     .Fatality = 5,
     .Title = "Clave Inválida",
     .Message = "%File : Clave inválida. Clave debe ser reconstruida."},
    {.Id = 26,
     .Fatality = 3,
     .Title = "Clave no fue reconstruida",
     .Message = "Error: (%ErrorText) reparando clave para tabla: %File."},
    {.Id = 10,
     .Fatality = 3,
     .Title = "Error en creación de Tabla",
     .Message = "Error: (%ErrorText) creando %File."},
    {.Id = 24,
     .Fatality = 5,
     .Title = "Procedimiento no definido",
     .Message = "El Procedimiento %Message no fue definido."},
    {.Id = 17,
     .Fatality = 5,
     .Title = "Error en Rango",
     .Message = "El valor de %Field debe ser menor que %Message."},
    {.Id = 18,
     .Fatality = 5,
     .Title = "Error de Rango",
     .Message = "El valor de %Field debe ser mayor que %Message."},
    {.Id = 16,
     .Fatality = 5,
     .Title = "Error de Rango",
     .Message = "El valor de %Field debe ser entre %Message."},
    {.Id = 14,
     .Fatality = 5,
     .Title = "Error en Contenido de campo",
     .Message = "El valor de %Field debe existir en tabla %Message."},
    {.Id = 31,
     .Fatality = 5,
     .Title = "Error de Integridad Referencial (Actualización)",
     .Message = "Este registro esta siendo referenciado desde la tabla %File. Los campo(s) "
                "linkeado(s) fueron configurados para que no permitan el cambio (RESTRICT en DCT) "
                "y serán vueltos a su valor original."},
    {.Id = 30,
     .Fatality = 5,
     .Title = "Error de Integridad Referencial (Borrado)",
     .Message = "Este registro esta siendo referenciado desde la tabla %File. Este registro no "
                "puede ser eliminado mientras exista esta referencia."},
    {.Id = 4,
     .Fatality = 5,
     .Title = "Error en Agregar",
     .Message = "Un error fue experimentado durante la creación del registro. Error: %ErrorText."},
    {.Id = 6,
     .Fatality = 5,
     .Title = "Registro no Actualizado",
     .Message = "Este registro fue modificado por otra estación."},
    {.Id = 7,
     .Fatality = 5,
     .Title = "Registro no Actualizado",
     .Message = "Este registro fue modificado por otra estación. Los cambios serán mostrados "
                "ahora. Use el botón Ditto or Ctrl+' para restaurar sus cambios."},
    {.Id = 34,
     .Fatality = 1,
     .Title = "Error al Actualizar",
     .Message =
         "Un error se ha producido al grabar el registro. ¿Desea intentar grabarlo nuevamente?"},
    {.Id = 33,
     .Fatality = 1,
     .Title = "Error en Borrar Registro",
     .Message =
         "Un error fue experimentado al borrar el registro. ¿Desea intentar borrar nuevamente?"},
    {.Id = 20,
     .Fatality = 5,
     .Title = "Pedido Inválido",
     .Message = "Esta Ficha no puede ser usada para insertar un registro"},
    {.Id = 38,
     .Fatality = 5,
     .Title = "Pedido Inválido",
     .Message = "Esta Ficha no puede ser usada para Actualizar un registro"},
    {.Id = 12,
     .Fatality = 5,
     .Title = "Pedido Inválido",
     .Message = "Esta Ficha no puede ser usada para Borrar un registro"},
    {.Id = 8,
     .Fatality = 1,
     .Title = "Cambios serán perdidos!",
     .Message = "¿Está seguro que desea cancelar?"},
    {.Id = 13,
     .Fatality = 5,
     .Title = "Error Clave Duplicada",
     .Message = "Agregar este registro crea una clave duplicada para la clave: %Message"},
    {.Id = 32,
     .Fatality = 1,
     .Title = "Error AutoNumeración",
     .Message = "Los intentos para numerar automaticamente han fallado. Error: %ErrorText. ¿ "
                "Intentar nuevamente?"},
    {.Id = 19,
     .Fatality = 5,
     .Title = "Error Carga Archivo",
     .Message = "Archivo %File no pudo cargarse.  Error: %ErrorText."},
    {.Id = 36,
     .Fatality = 1,
     .Title = "Comienzo de Archivo",
     .Message = "El comienzo del archivo fue encontrado. ¿ Desea comenzar nuevamente desde el "
                "final del archivo?"},
    {.Id = 37,
     .Fatality = 1,
     .Title = "Error Fin de Archivo",
     .Message =
         "El fin de Archivo fue encontrado . ¿ Desea comenzar nuevamente desde el comienzo ?"},
    {.Id = 23,
     .Fatality = 3,
     .Title = "Error de Acceso",
     .Message = "Archivo (%File) no pudo ser abierto.  Error: %ErrorText."},
    {.Id = 25,
     .Fatality = 5,
     .Title = "Registro no fue Actualizado",
     .Message = "Un error (%ErrorText) fue experimentado al realizar cambioses to the %File file."},
    {.Id = 11,
     .Fatality = 5,
     .Title = "Registro no fue Borrado",
     .Message = "Un error (%ErrorText) fue experimentado al borrar del Archivo %File ."},
    {.Id = 9,
     .Fatality = 1,
     .Title = "Confirmar Borrado",
     .Message = "¿ Está seguro que desea eliminar el registro seleccionado?"},
    {.Id = 35,
     .Fatality = 1,
     .Title = "Guardar Registro",
     .Message = "¿ Desea guardar los cambios a este registro?"},
    {.Id = 21,
     .Fatality = 5,
     .Title = "Transacción Cancelada",
     .Message = "Error: (%ErrorText) al intentar enmarcar una transacción sobre tabla %File."},
    {.Id = 1,
     .Fatality = 5,
     .Title = "Error de Retribución",
     .Message = "Error: (%ErrorText) al intentar acceder al registro de tabla %File .  Regresando "
                "a ventana anterior."},
    {.Id = 40,
     .Fatality = 5,
     .Title = "Error al Abrir Vista",
     .Message = "Error: (%ErrorText) al intentar abrir la vista (VIEW) actual. Filtros y Rangos "
                "serán ignorados."},
    {.Id = 3,
     .Fatality = 1,
     .Title = "Registro Agregado",
     .Message = "Este registro fue agregado al archivo. ¿ Desea agregar otro registro?"},
    {.Id = 28,
     .Fatality = 5,
     .Title = "Registro NO leido",
     .Message = "Un registro bloqueado por otra terminal fue encontrado al leer de tabla %File ."},
    {.Id = 5,
     .Fatality = 5,
     .Title = "¿Agregar nuevo registro?",
     .Message = "Registro no encontrado, ¿desea agregar una nuevo?"},
    {.Id = 15,
     .Fatality = 5,
     .Title = "Error en Valor",
     .Message = "El valor del campo %Field debe estar en esta lista : %Message."},
    {.Id = 22,
     .Fatality = 5,
     .Title = "No hay Registros",
     .Message = "No hay registros disponibles para procesar."},
    {.Id = 2,
     .Fatality = 5,
     .Title = "Access Denied",
     .Message = "No pudo obtener acceso de escritura en Tabla %File, intentante Solo-Lectura."},
    {.Id = 39,
     .Fatality = 2,
     .Title = "Error de Uso",
     .Message = "Se ha intentado utilizar la tabla (%File) antes de estar ABIERTA"},
};

enum class Token {
    FileErrorCode,
    FileError,
    File,
    ErrorCode,
    ErrorText,
    Error,
    Message,
    Field,
    Procedure
};

struct TokenSpec {
    std::string_view text;
    Token token;
};

// Order matters: a token precedes any shorter token that is its prefix.
constexpr TokenSpec kTokens[] = {
    {.text = "%FileErrorCode", .token = Token::FileErrorCode},
    {.text = "%FileError", .token = Token::FileError},
    {.text = "%File", .token = Token::File},
    {.text = "%ErrorCode", .token = Token::ErrorCode},
    {.text = "%ErrorText", .token = Token::ErrorText},
    {.text = "%Error", .token = Token::Error},
    {.text = "%Message", .token = Token::Message},
    {.text = "%Field", .token = Token::Field},
    {.text = "%Procedure", .token = Token::Procedure},
};
constexpr std::string_view kPrevious = "%Previous";

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool matchesAt(std::string_view text, size_t pos, std::string_view token) {
    if (text.size() - pos < token.size())
        return false;
    for (size_t i = 0; i < token.size(); ++i)
        if (lowerAscii(text[pos + i]) != lowerAscii(token[i]))
            return false;
    return true;
}

const TokenSpec* tokenAt(std::string_view text, size_t pos) {
    for (const TokenSpec& t : kTokens)
        if (matchesAt(text, pos, t.text))
            return &t;
    return nullptr;
}

// The first `n` characters of a UTF-8 text.
std::string cutChars(std::string text, size_t n) {
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (chars++ == n) {
            text.resize(i);
            break;
        }
    }
    return text;
}

// Sequential reader of a packed block; `ok` turns false on the first read
// past the end and stays false.
struct BlockReader {
    const ErrorBlock& block;
    size_t pos = 0;
    bool ok = true;

    uint8_t byte() {
        if (pos >= block.size())
            ok = false;
        return ok ? block[pos++] : 0;
    }
    uint16_t u16() {
        const uint8_t lo = byte();
        return static_cast<uint16_t>(lo | (byte() << 8));
    }
    std::string text() {
        const size_t n = byte();
        if (!ok || block.size() - pos < n)
            ok = false;
        if (!ok)
            return {};
        std::string bytes(reinterpret_cast<const char*>(block.data() + pos), n);
        pos += n;
        return cp1252::toUtf8(bytes);
    }
};

// Decodes a whole block; nullopt when it is truncated.
std::optional<std::vector<ErrorEntry>> decodeBlock(const ErrorBlock& block) {
    BlockReader in{.block = block};
    const uint16_t count = in.u16();
    std::vector<ErrorEntry> entries;
    for (uint16_t i = 0; i < count && in.ok; ++i) {
        ErrorEntry e;
        e.Id = in.u16();
        e.Fatality = in.byte();
        e.Title = in.text();
        e.Message = in.text();
        entries.push_back(std::move(e));
    }
    if (!in.ok)
        return std::nullopt;
    return entries;
}

void putText(ErrorBlock& out, std::string_view utf8) {
    std::string bytes = cp1252::fromUtf8(utf8);
    if (bytes.size() > 255)
        bytes.resize(255);
    out.push_back(static_cast<uint8_t>(bytes.size()));
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void putU16(ErrorBlock& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

std::string tokenValue(const ErrorClass& e, Token token) {
    switch (token) {
        case Token::FileErrorCode:
            return e.SaveFileErrorCode;
        case Token::FileError:
            return e.SaveFileError;
        case Token::File:
            return e.FileName;
        case Token::ErrorCode:
            return std::to_string(e.SaveErrorCode);
        case Token::ErrorText:
            if (e.SaveErrorCode == kFileDriverCode)
                return e.SaveFileError + " (" + e.SaveFileErrorCode + ")";
            return e.SaveError + " (" + std::to_string(e.SaveErrorCode) + ")";
        case Token::Error:
            return e.SaveError;
        case Token::Message:
            return e.MessageText;
        case Token::Field:
            return e.FieldName;
        case Token::Procedure:
            return e.GetProcedureName();
    }
    return {};
}

const ErrorEntry& noEntry() {
    static const ErrorEntry none;
    return none;
}

}  // namespace

ErrorBlock packErrorBlock(const std::vector<ErrorEntry>& entries) {
    const size_t count = std::min<size_t>(entries.size(), 0xFFFF);
    ErrorBlock out;
    putU16(out, static_cast<uint16_t>(count));
    for (size_t i = 0; i < count; ++i) {
        putU16(out, entries[i].Id);
        out.push_back(entries[i].Fatality);
        putText(out, entries[i].Title);
        putText(out, entries[i].Message);
    }
    return out;
}

const ErrorBlock& DefaultErrors() {
    static const ErrorBlock block = [] {
        std::vector<ErrorEntry> entries;
        for (const DefaultEntry& d : kDefaultErrors)
            entries.push_back(
                {.Id = d.Id, .Fatality = d.Fatality, .Title = d.Title, .Message = d.Message});
        return packErrorBlock(entries);
    }();
    return block;
}

// --- life cycle and catalogue -------------------------------------------------

void ErrorClass::Init() {
    errors_.emplace();
    current_.reset();
    AddErrors(DefaultErrors());
    procNames_.emplace();
}

void ErrorClass::Kill() {
    errors_.reset();
    procNames_.reset();
    current_.reset();
}

void ErrorClass::AddErrors(const ErrorBlock& block) {
    std::optional<std::vector<ErrorEntry>> entries = decodeBlock(block);
    if (!errors_ || !entries) {
        assertionFailure(kCannotAdd);
        return;
    }
    for (ErrorEntry& e : *entries)
        errors_->push_back(std::move(e));
}

std::optional<size_t> ErrorClass::findBefore(uint16_t id, size_t end) const {
    for (size_t i = end; i-- > 0;)
        if ((*errors_)[i].Id == id)
            return i;
    return std::nullopt;
}

bool ErrorClass::select(uint16_t id) {
    if (!errors_) {
        assertionFailure(kEntriesNotInit);
        return false;
    }
    const std::optional<size_t> found = findBefore(id, errors_->size());
    if (!found) {
        assertionFailure(kNotFound);
        return false;
    }
    current_ = found;
    return true;
}

void ErrorClass::SetId(uint16_t id) {
    select(id);
}

const ErrorEntry* ErrorClass::CurrentEntry() const {
    return errors_ && current_ ? &(*errors_)[*current_] : nullptr;
}

const ErrorEntry& ErrorClass::entry() const {
    const ErrorEntry* e = CurrentEntry();
    return e ? *e : noEntry();
}

// --- state --------------------------------------------------------------------

void ErrorClass::SetErrors() {
    const platform::ErrorState& e = platform::lastError();
    SaveErrorCode = e.code;
    SaveError = cutChars(e.text, kFieldChars);
    SaveFileErrorCode = cutChars(e.fileErrorCode, kFieldChars);
    SaveFileError = cutChars(e.fileError, kFieldChars);
}

void ErrorClass::SetField(std::string_view name) {
    FieldName = cutChars(std::string(trimRight(name)), kFieldChars);
}

void ErrorClass::SetFile(std::string_view name) {
    FileName = cutChars(std::string(trimRight(name)), kFieldChars);
}

void ErrorClass::SetProcedureName(std::string_view name) {
    if (!procNames_) {
        assertionFailure(kNamesNotInit);
        return;
    }
    procNames_->push_back(
        {.thread = platform::currentThreadNumber(), .name = std::string(trimRight(name))});
}

void ErrorClass::SetProcedureName() {
    if (!procNames_) {
        assertionFailure(kNamesNotInit);
        return;
    }
    const int thread = platform::currentThreadNumber();
    for (size_t i = procNames_->size(); i-- > 0;) {
        if ((*procNames_)[i].thread == thread) {
            procNames_->erase(procNames_->begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
    }
}

std::string ErrorClass::GetProcedureName() const {
    if (!procNames_) {
        assertionFailure(kNamesNotInit);
        return {};
    }
    const int thread = platform::currentThreadNumber();
    for (size_t i = procNames_->size(); i-- > 0;)
        if ((*procNames_)[i].thread == thread)
            return (*procNames_)[i].name;
    return {};
}

// --- substitution -------------------------------------------------------------

std::string ErrorClass::SubsString() {
    return current_ && errors_ ? substitute(*current_) : std::string();
}

std::string ErrorClass::substitute(size_t index) const {
    const std::string_view message = (*errors_)[index].Message;
    std::string out;
    for (size_t i = 0; i < message.size();) {
        const TokenSpec* token = message[i] == '%' ? tokenAt(message, i) : nullptr;
        if (token) {
            out += tokenValue(*this, token->token);
            i += token->text.size();
        } else if (message.compare(i, kPrevious.size(), kPrevious) == 0) {
            out += previousText(index);
            i += kPrevious.size();
        } else {
            out += message[i++];
        }
    }
    return cutChars(std::move(out), kWorkChars);
}

std::string ErrorClass::previousText(size_t index) const {
    const std::optional<size_t> older = findBefore((*errors_)[index].Id, index);
    return older ? substitute(*older) : std::string();
}

// --- presentation -------------------------------------------------------------

unsigned ErrorClass::show(ui::Icon icon, unsigned buttons, unsigned defaultButton,
                          std::string text) const {
    ui::MessageBox box;
    box.text = std::move(text);
    box.caption = entry().Title;
    box.icon = icon;
    box.buttons = buttons;
    box.defaultButton = defaultButton;
    return ui::message(box);
}

unsigned ErrorClass::Message(uint16_t id, unsigned buttons, unsigned defaultButton) {
    if (!select(id))
        return defaultButton;
    return show(ui::Icon::Exclamation, buttons, defaultButton, SubsString());
}

Level ErrorClass::Throw(uint16_t id) {
    if (!select(id))
        return Program;
    switch (entry().Fatality) {
        case Benign:
            return TakeBenign();
        case User:
        case Cancel:
            return TakeUser();
        case Program:
            return TakeProgram();
        case Fatal:
            return TakeFatal();
        case Notify:
            return TakeNotify();
        default:
            return TakeOther();
    }
}

Level ErrorClass::TakeError(uint16_t id) {
    SetErrors();
    return Throw(id);
}

Level ErrorClass::ThrowMessage(uint16_t id, std::string_view text) {
    MessageText = cutChars(std::string(text), kFieldChars);
    return TakeError(id);
}

Level ErrorClass::TakeBenign() {
    return Benign;
}

Level ErrorClass::TakeFatal() {
    show(ui::Icon::Information, ui::ButtonOk, ui::ButtonOk, SubsString() + kFatalSuffix);
    ui::halt(0, entry().Title);
    return Fatal;
}

Level ErrorClass::TakeNotify() {
    show(ui::Icon::Information, ui::ButtonOk, ui::ButtonOk, SubsString());
    return Notify;
}

Level ErrorClass::TakeOther() {
    return TakeProgram();
}

Level ErrorClass::TakeProgram() {
    return TakeFatal();
}

Level ErrorClass::TakeUser() {
    const unsigned pressed =
        show(ui::Icon::Exclamation, ui::ButtonYes | ui::ButtonNo, ui::ButtonYes, SubsString());
    return pressed == ui::ButtonYes ? Benign : Cancel;
}

ErrorClass& GlobalErrors() {
    static ErrorClass instance;
    return instance;
}

}  // namespace vorda
