// ErrorClass: the single reporter of failures and of the questions they raise.
//
// It holds a catalogue of numbered entries (id, fatality, title, message with
// substitution tokens), substitutes run-time details into the text, shows it
// in a message box whose icon and buttons follow from the fatality, and
// returns the result level the caller acts on. One instance, GlobalErrors,
// lives for the whole run.
//
// Call order: Init (loads the default catalogue) ... any number of
// SetField/SetFile/Throw/ThrowMessage/TakeError/Message and procedure-name
// calls ... Kill. Entry selection searches from the newest entry back, so a
// later AddErrors block overrides an earlier entry with the same id.
//
// Misuse is reported through assertionFailure with fixed texts; when the
// installed assertion handler returns, the call does nothing more: Throw,
// TakeError and ThrowMessage return Program, Message returns the default
// button, GetProcedureName returns "".
//
// Substitution replaces the tokens %FileErrorCode %FileError %File %ErrorCode
// %ErrorText %Error %Message %Field %Procedure (any letter case) and
// %Previous (exact case: the older entry of the same id, itself substituted,
// or "" when there is none). Inserted values are never scanned for tokens.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/level.h"

namespace vorda {

namespace ui {
enum class Icon;
}

struct ErrorEntry {
    uint16_t Id = 0;
    uint8_t Fatality = 0;
    std::string Title;    // UTF-8
    std::string Message;  // UTF-8, with tokens
};

// The packed catalogue block: count (u16 LE), then per entry id (u16 LE),
// fatality (u8), title length (u8) + title bytes, message length (u8) +
// message bytes. Texts in the block are Windows-1252.
using ErrorBlock = std::vector<uint8_t>;

// Builds a block from entries (texts given in UTF-8).
ErrorBlock packErrorBlock(const std::vector<ErrorEntry>& entries);
// The 39 default entries, in stored order.
const ErrorBlock& DefaultErrors();

class ErrorClass {
public:
    virtual ~ErrorClass() = default;

    void Init();
    void Kill();

    virtual void AddErrors(const ErrorBlock& block);

    void SetErrors();
    void SetField(std::string_view name);
    void SetFile(std::string_view name);
    void SetProcedureName(std::string_view name);  // push for this thread
    void SetProcedureName();                       // pop this thread's newest
    std::string GetProcedureName() const;

    unsigned Message(uint16_t id, unsigned buttons, unsigned defaultButton);
    Level Throw(uint16_t id);
    Level TakeError(uint16_t id);
    Level ThrowMessage(uint16_t id, std::string_view text);

    // The selected entry's message after substitution (what a box would show),
    // at most 1,999 characters; "" when no entry is selected.
    std::string SubsString();
    // Selects entry `id` (assertion "Identifier not found." when missing).
    void SetId(uint16_t id);

    // Handlers, one per fatality (see the presentation table); replaceable.
    virtual Level TakeBenign();
    virtual Level TakeFatal();
    virtual Level TakeNotify();
    virtual Level TakeOther();
    virtual Level TakeProgram();
    virtual Level TakeUser();

    // State (public as the framework's fields are).
    std::string FieldName, FileName, MessageText;
    std::string SaveError, SaveFileError, SaveFileErrorCode;
    int32_t SaveErrorCode = 0;

    // The selected entry; nullptr before the first selection. The pointer
    // is invalidated by AddErrors, Init and Kill.
    const ErrorEntry* CurrentEntry() const;

private:
    struct ProcName {
        int thread;
        std::string name;
    };

    // Selects the newest entry `id`; false (after the assertion) when the
    // catalogue does not exist or has no such entry.
    bool select(uint16_t id);
    // Index of the newest entry `id` among entries [0, end).
    std::optional<size_t> findBefore(uint16_t id, size_t end) const;
    std::string substitute(size_t index) const;
    std::string previousText(size_t index) const;
    const ErrorEntry& entry() const;  // the selected entry, or an empty one
    unsigned show(ui::Icon icon, unsigned buttons, unsigned defaultButton, std::string text) const;

    std::optional<std::vector<ErrorEntry>> errors_;
    std::optional<std::vector<ProcName>> procNames_;
    std::optional<size_t> current_;  // index of the selected entry in errors_
};

// The process-wide reporter.
ErrorClass& GlobalErrors();

}  // namespace vorda
