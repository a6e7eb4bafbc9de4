// FileManager: see filemanager.h for the contract.
//
// Physical open, at most two attempts (openFile → openAttempt):
//
//   driver answer        transition                                  performed by
//   Ok / AlreadyOpen     opened; end-of-file cleared                 openAttempt
//   AccessDenied         "Recover=N", then the same open once more   openAttempt
//   FileNotFound         Create: create, next attempt; else 23       openAttempt
//   KeysNeedRebuild      27 shown, keys rebuilt, next attempt (26)   rebuildKeys
//   AccessDenied again   read-only access, 2 shown, next attempt     openAttempt
//   anything else        23                                          openFailure
//
// 23, 10 and 26 end the program when reported; unreported they give Notify.
#include "framework/filemanager.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "framework/assertion.h"
#include "framework/errorclass.h"
#include "framework/errorids.h"
#include "framework/filesmanager.h"
#include "platform/process/threaddata.h"
#include "platform/process/threadnumber.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/trim.h"

namespace vorda {

namespace {

constexpr const char* kNotInitialized = "FileManager has not been correctly initialized";
constexpr const char* kNoFile =
    "FileManager has not been correctly initialized (missing file reference)";
constexpr const char* kNoKey = "Key does not exist in this file";
constexpr const char* kNoComponent = "Key does not have component of this number :";
constexpr const char* kBadHandle = "Restore handle is invalid";
constexpr const char* kBufferCorrupt = "Saved buffer storage corrupt";
constexpr const char* kSavedCorrupt = "Saved file storage corrupt";
constexpr const char* kBadCurrentKey = "Current key not valid";
constexpr size_t kMaxOrderLength = 511;

// A text component filled with this byte is the store's "above every stored
// value" bound (no single character is: text is compared as UTF-8).
constexpr char kHighestText = '\xff';

int64_t decimalLimit(const store::FieldDesc& field) {
    const size_t digits = field.width == 0 ? 18 : std::min<size_t>(field.width, 18);
    int64_t limit = 1;
    for (size_t i = 0; i < digits; ++i)
        limit *= 10;
    return limit - 1;
}

void setNumberAt(char* record, const store::FieldDesc& field, int64_t value) {
    if (field.kind == store::FieldKind::Decimal) {
        const Decimal decimal = Decimal::fromHundredths(value);
        std::memcpy(record + field.offset, &decimal, sizeof decimal);
        return;
    }
    const auto narrow = static_cast<int32_t>(value);
    std::memcpy(record + field.offset, &narrow, sizeof narrow);
}

// Sets one stored column to the lowest or highest value of its kind. The
// lowest text is blank: the store keeps text blank-trimmed, so a blank value
// is the empty text and sorts before everything.
void fillExtreme(char* record, const store::FieldDesc& field, bool highest) {
    switch (field.kind) {
        case store::FieldKind::Text:
        case store::FieldKind::Group:
            std::memset(record + field.offset, highest ? kHighestText : ' ', field.width);
            return;
        case store::FieldKind::Decimal:
            setNumberAt(record, field, highest ? decimalLimit(field) : -decimalLimit(field));
            return;
        case store::FieldKind::Date:
            setNumberAt(record, field, highest ? INT32_MAX : 0);
            return;
        case store::FieldKind::Int32:
            setNumberAt(record, field, highest ? INT32_MAX : INT32_MIN);
            return;
    }
}

}  // namespace

FileManager::~FileManager() {
    // The driver file may already be gone (a derived manager owns it), so
    // only the registries are released here; Kill closes the file.
    platform::ThreadData::removeEndHook(endHook_);
    if (!initialized_)
        return;
    GlobalFilesManager().ForgetUsage(*this);
    GlobalFilesManager().RemoveMapping(*this);
}

// ---------------------------------------------------------------------------
// Set-up

void FileManager::Init(store::File* file, ErrorClass* errors) {
    if (file == nullptr) {
        assertionFailure(kNoFile);
        return;
    }
    if (errors == nullptr) {
        assertionFailure(kNotInitialized);
        return;
    }
    if (initialized_)
        Kill();
    File = file;
    Errors = errors;
    if (!GlobalFilesManager().AddMapping(*this)) {
        File = nullptr;
        Errors = nullptr;
        return;
    }
    FileName = file->desc().fileName;
    FileNameValue = nullptr;
    LazyOpen = 1;
    OpenMode = 0x42;
    Create = 1;
    LockRecover = 10;
    PrimaryKey = 0;
    keys_.clear();
    descKeys_.clear();
    infos_.clear();
    initialized_ = true;
    platform::ThreadData::removeEndHook(endHook_);
    endHook_ = platform::ThreadData::addEndHook([this](int thread) { threadEnded(thread); });
    for (size_t i = 0; i < desc().keys.size(); ++i) {
        const store::KeyDesc& key = desc().keys[i];
        descKeys_.push_back(makeKeyEntry(static_cast<int>(i) + 1, key.description));
    }
}

void FileManager::AddKey(int key, std::string_view description) {
    checkInit();
    if (key < 1 || key > static_cast<int>(descKeys_.size())) {
        assertionFailure(kNoKey);
        return;
    }
    KeyEntry entry = makeKeyEntry(key, description);
    auto same =
        std::find_if(keys_.begin(), keys_.end(), [key](const KeyEntry& k) { return k.key == key; });
    if (same != keys_.end()) {
        *same = std::move(entry);
    } else {
        keys_.push_back(std::move(entry));
    }
}

void FileManager::Kill() {
    if (!initialized_)
        return;
    if (info().opened && File->isOpen())
        File->close();
    platform::ThreadData::removeEndHook(endHook_);
    endHook_ = 0;
    GlobalFilesManager().ForgetUsage(*this);
    GlobalFilesManager().RemoveMapping(*this);
    keys_.clear();
    descKeys_.clear();
    buffers_.clear();
    saved_.clear();
    infos_.clear();
    initialized_ = false;
}

FileManager::KeyEntry FileManager::makeKeyEntry(int key, std::string_view description) const {
    const store::KeyDesc& k = desc().keys[static_cast<size_t>(key - 1)];
    KeyEntry entry{.key = key,
                   .description = std::string(description),
                   .components = {},
                   .duplicates = !k.unique,
                   .noCase = k.noCase};
    for (const store::KeyComponent& c : k.components) {
        const store::FieldDesc& field = desc().field(c.field);
        std::string name = field.name;
        if (k.noCase && field.kind == store::FieldKind::Text)
            name = std::string("UPPER(").append(name).append(")");
        entry.components.push_back({.field = c.field, .ascending = c.ascending, .name = name});
    }
    return entry;
}

// ---------------------------------------------------------------------------
// Small helpers

// A procedure thread has ended: its state goes (its physical file is closed
// by the driver file kept per thread), and so do its usage entries.
void FileManager::threadEnded(int thread) {
    infos_.erase(thread);
    for (int handle : GlobalFilesManager().ForgetUsage(*this, thread))
        discardFile(handle);
}

// A file kept per thread has one entry per thread; any other file one shared
// entry (under 0).
int FileManager::infoKey() const {
    return File != nullptr && File->perThread() ? platform::currentThreadNumber() : 0;
}

FileManager::InfoEntry& FileManager::info() {
    return infos_[infoKey()];
}

const FileManager::InfoEntry& FileManager::info() const {
    static const InfoEntry none;
    const auto it = infos_.find(infoKey());
    return it != infos_.end() ? it->second : none;
}

void FileManager::checkInit() const {
    frameworkAssert(initialized_, kNotInitialized);
}

const store::TableDesc& FileManager::desc() const {
    return File->desc();
}

char* FileManager::buffer() const {
    return static_cast<char*>(File->buffer());
}

// Text blank, numbers and dates zero.
void FileManager::clearRecord() {
    desc().clearRecord(buffer());
}

const FileManager::KeyEntry& FileManager::keyEntry(int key) const {
    static const KeyEntry none{};
    checkInit();
    for (const KeyEntry& k : keys_) {
        if (k.key == key)
            return k;
    }
    if (key >= 1 && key <= static_cast<int>(descKeys_.size()))
        return descKeys_[key - 1];
    assertionFailure(kNoKey);
    return none;
}

const FileManager::Component& FileManager::component(int key, int number) const {
    static const Component none{.field = 0, .ascending = true, .name = {}};
    const KeyEntry& k = keyEntry(key);
    if (number < 1 || number > static_cast<int>(k.components.size())) {
        assertionFailure(kNoComponent + std::to_string(number));
        return none;
    }
    return k.components[static_cast<size_t>(number - 1)];
}

std::vector<const FileManager::KeyEntry*> FileManager::keysInAddOrder() const {
    const std::vector<KeyEntry>& source = keys_.empty() ? descKeys_ : keys_;
    std::vector<const KeyEntry*> result;
    result.reserve(source.size());
    for (const KeyEntry& k : source)
        result.push_back(&k);
    return result;
}

std::string FileManager::GetName() const {
    const std::string name = FileNameValue ? FileNameValue() : FileName;
    return std::string(trimRight(name));
}

int FileManager::GetOpenCount() const {
    return info().openCount;
}

bool FileManager::IsOpened() const {
    return info().opened;
}

bool FileManager::GetEOF() const {
    return info().eof;
}

// ---------------------------------------------------------------------------
// Errors

void FileManager::SetThread() {
    checkInit();
    Errors->SetFile(GetName());
}

void FileManager::SetError(uint16_t id) {
    checkInit();
    Errors->SetErrors();
    info().lastError = id;
}

uint16_t FileManager::GetError() const {
    return info().lastError;
}

Level FileManager::Throw() {
    SetThread();
    return Errors->Throw(info().lastError);
}

Level FileManager::Throw(uint16_t id) {
    SetError(id);
    return Throw();
}

Level FileManager::ThrowMessage(uint16_t id, std::string_view text) {
    SetThread();
    info().lastError = id;
    return Errors->ThrowMessage(id, text);
}

// ---------------------------------------------------------------------------
// Open, use, close

Level FileManager::Open() {
    return open(Report::Yes);
}

Level FileManager::TryOpen() {
    return open(Report::No);
}

Level FileManager::open(Report report) {
    SetThread();
    if (LazyOpen == 0 && info().openCount == 0 && !info().opened) {
        const Level level = openFile(report);
        if (level != Benign)
            return level;  // not counted: the caller will not close
    }
    GlobalFilesManager().NoteOpen(*this);
    ++info().openCount;
    return Benign;
}

Level FileManager::Close() {
    SetThread();
    if (info().openCount == 0)
        return Benign;
    GlobalFilesManager().NoteClose(*this);
    if (--info().openCount > 0)
        return Benign;
    if (info().opened) {
        File->close();
        info().opened = false;
    }
    for (int handle : GlobalFilesManager().ForgetUsage(*this, platform::currentThreadNumber()))
        discardFile(handle);
    return Benign;
}

Level FileManager::UseFile(UsageLevel usage) {
    SetThread();
    GlobalFilesManager().NoteUsage(*this, usage);
    if (info().opened || LazyOpen == 0)
        return Benign;
    if (info().openCount == 0)
        return Throw(msg::FileNotOpen);
    int handle = SaveBuffer();
    const Level level = openFile(Report::Yes);
    RestoreBuffer(handle);
    return level;
}

Level FileManager::openFile(Report report) {
    if (FileNameValue)
        File->setName(GetName());
    int mode = OpenMode;
    for (int attempt = 0; attempt < 2; ++attempt) {
        bool again = false;
        const Level level = openAttempt(mode, report, again);
        if (!again)
            return level;
    }
    return openFailure(msg::OpenError, report);
}

Level FileManager::openAttempt(int& mode, Report report, bool& again) {
    int code = File->open(mode);
    if (code == store::AccessDenied) {
        File->send("Recover=" + std::to_string(LockRecover));
        code = File->open(mode);
    }
    switch (code) {
        case store::Ok:
        case store::AlreadyOpen:
            info().opened = true;
            info().eof = false;
            info().currentKey = 0;
            return Benign;
        case store::FileNotFound:
            if (Create == 0)
                return openFailure(msg::OpenError, report);
            if (File->create() != store::Ok)
                return openFailure(msg::CreateError, report);
            again = true;
            return Benign;
        case store::KeysNeedRebuild:
            return rebuildKeys(report, again);
        case store::AccessDenied:
            if ((mode & 0x0F) == 0)
                return openFailure(msg::OpenError, report);
            mode &= 0xF0;
            Throw(msg::AccessDenied);  // shown with or without reporting: the user must know
            again = true;
            return Benign;
        default:
            return openFailure(msg::OpenError, report);
    }
}

Level FileManager::openFailure(uint16_t id, Report report) {
    SetError(id);
    return report == Report::Yes ? Throw() : Notify;
}

Level FileManager::rebuildKeys(Report report, bool& again) {
    SetError(msg::KeysInvalid);
    if (report == Report::No)
        return Notify;
    Throw();
    if (File->buildKeys() != store::Ok) {
        SetError(msg::RebuildError);
        return Throw();
    }
    again = true;
    return Benign;
}

// ---------------------------------------------------------------------------
// Reading

Level FileManager::Fetch(int key) {
    const Level level = fetch(key);
    if (level != Benign)
        clearRecord();
    return level;
}

Level FileManager::TryFetch(int key) {
    return fetch(key);
}

Level FileManager::fetch(int key) {
    keyEntry(key);
    if (UseFile() != Benign)
        return Notify;
    return File->get(key) == store::Ok ? Benign : Notify;
}

Level FileManager::Next() {
    return read(Direction::Forward, Report::Yes);
}

Level FileManager::TryNext() {
    return read(Direction::Forward, Report::No);
}

Level FileManager::Previous() {
    return read(Direction::Backward, Report::Yes);
}

Level FileManager::read(Direction direction, Report report) {
    const Level used = UseFile();
    if (used != Benign)
        return used;
    info().eof = false;
    const int code = direction == Direction::Forward ? File->next() : File->previous();
    switch (code) {
        case store::Ok:
            return Benign;
        case store::NoMoreRecords:
            info().eof = true;
            return Notify;
        case store::RecordHeld:
            SetError(msg::RecordHeld);
            return report == Report::Yes ? Throw() : Notify;
        default:
            SetError(msg::RetrieveError);
            return report == Report::Yes ? Throw() : Fatal;
    }
}

// ---------------------------------------------------------------------------
// Writing

Level FileManager::Insert() {
    return insert(Report::Yes);
}

Level FileManager::TryInsert() {
    return insert(Report::No);
}

Level FileManager::insert(Report report) {
    if (UseFile() != Benign)
        return Fatal;
    if (ValidateRecord() != Benign)
        return Notify;
    const int code = File->add();
    if (code == store::Ok)
        return Benign;
    if (code == store::DuplicateKey)
        return duplicateKey(report);
    SetError(msg::AddError);
    return report == Report::Yes ? Throw() : Notify;
}

Level FileManager::duplicateKey(Report report) {
    if (report == Report::No) {
        SetError(msg::DuplicateKey);
        return Notify;
    }
    const std::string description = duplicatedKeyDescription();
    SetError(msg::DuplicateKey);
    ThrowMessage(msg::DuplicateKey, description);
    return Notify;
}

// The description of the first unique key (AddKey order) whose values in the
// buffer are already in the table. The buffer, the current record and the
// position in the current sequence are left as they were.
std::string FileManager::duplicatedKeyDescription() {
    int state = SaveFile();
    const std::vector<char> image(buffer(), buffer() + desc().recordSize);
    std::string found;
    for (const KeyEntry* key : keysInAddOrder()) {
        if (key->duplicates)
            continue;
        std::memcpy(buffer(), image.data(), image.size());
        if (File->get(key->key) == store::Ok) {
            found = key->description;
            break;
        }
    }
    RestoreFile(state);
    return found;
}

Level FileManager::Update() {
    return update(Report::Yes);
}

Level FileManager::TryUpdate() {
    return update(Report::No);
}

Level FileManager::update(Report report) {
    if (UseFile() != Benign)
        return Fatal;
    if (ValidateRecord() != Benign)
        return User;
    const std::string position = Position();
    const int code = File->put();
    if (code == store::Ok)
        return Benign;
    if (code == store::ChangedByOther)
        return changedOrDeleted(position, report);
    SetError(msg::UpdateError);
    return report == Report::Yes ? Throw() : Notify;
}

// Another station changed the record since it was read, or deleted it: error
// 6. The record is read again: the buffer then holds that station's version,
// or, when it is gone, still this one's, and the error remembered becomes 5
// (not found) so that a form can offer to add it again.
Level FileManager::changedOrDeleted(const std::string& position, Report report) {
    SetError(msg::RecordChanged);
    if (report == Report::Yes)
        Throw();
    if (File->reget(position) == store::RecordNotFound)
        SetError(msg::NotFoundAddNew);
    return Notify;
}

// ---------------------------------------------------------------------------
// New records

Level FileManager::PrimeRecord(Priming priming) {
    SetThread();
    if (priming == Priming::ClearBuffer)
        clearRecord();
    PrimeFields();
    return Benign;
}

Level FileManager::PrimeFields() {
    return Benign;
}

// ---------------------------------------------------------------------------
// Validation

Level FileManager::ValidateField(int) {
    return Benign;
}

Level FileManager::ValidateFields(int low, int high, int* failedField) {
    for (int field = low; field <= high; ++field) {
        const Level level = ValidateField(field);
        if (level != Benign) {
            if (failedField != nullptr)
                *failedField = field;
            return level;
        }
    }
    return Benign;
}

Level FileManager::ValidateRecord(int* failedField) {
    checkInit();
    return ValidateFields(1, desc().fieldCount(), failedField);
}

// ---------------------------------------------------------------------------
// Record images and file states

int FileManager::SaveBuffer() {
    checkInit();
    buffers_.push_back({.handle = ++lastBufferHandle_,
                        .image = std::vector<char>(buffer(), buffer() + desc().recordSize)});
    return lastBufferHandle_;
}

FileManager::BufferEntry* FileManager::findBuffer(int handle) {
    for (BufferEntry& entry : buffers_) {
        if (entry.handle == handle)
            return &entry;
    }
    return nullptr;
}

void FileManager::RestoreBuffer(int& handle, BufferImage image) {
    checkInit();
    if (handle == 0)
        return;
    BufferEntry* entry = findBuffer(handle);
    if (entry == nullptr) {
        assertionFailure(kBadHandle);
        return;
    }
    if (entry->image.size() != desc().recordSize) {
        assertionFailure(kBufferCorrupt);
        return;
    }
    if (image == BufferImage::Restore)
        std::memcpy(buffer(), entry->image.data(), entry->image.size());
    buffers_.erase(buffers_.begin() + (entry - buffers_.data()));
    handle = 0;
}

bool FileManager::EqualBuffer(int handle) {
    checkInit();
    const BufferEntry* entry = findBuffer(handle);
    if (entry == nullptr) {
        assertionFailure(kBadHandle);
        return false;
    }
    return entry->image.size() == desc().recordSize &&
           std::memcmp(buffer(), entry->image.data(), entry->image.size()) == 0;
}

int FileManager::SaveFile() {
    checkInit();
    SavedEntry entry{
        .handle = ++lastSavedHandle_,
        .bufferHandle = SaveBuffer(),
        .key = info().currentKey,
        .position = File->isOpen() ? File->position(info().currentKey) : std::string()};
    saved_.push_back(std::move(entry));
    return lastSavedHandle_;
}

std::vector<FileManager::SavedEntry>::iterator FileManager::findSaved(int handle) {
    return std::find_if(saved_.begin(), saved_.end(),
                        [handle](const SavedEntry& e) { return e.handle == handle; });
}

void FileManager::RestoreFile(int& handle, BufferImage image) {
    checkInit();
    if (handle == 0)
        return;
    auto it = findSaved(handle);
    if (it == saved_.end()) {
        assertionFailure(kBadHandle);
        return;
    }
    SavedEntry entry = std::move(*it);
    saved_.erase(it);
    handle = 0;
    const BufferEntry* saved = findBuffer(entry.bufferHandle);
    if (saved == nullptr) {
        assertionFailure(kSavedCorrupt);
        return;
    }
    if (entry.key < 0 || entry.key > static_cast<int>(descKeys_.size())) {
        assertionFailure(kBadCurrentKey);
        return;
    }
    if (File->isOpen()) {
        if (!entry.position.empty()) {
            repositionTo(entry.key, entry.position);
        } else {
            // No record was current: restart the sequence at the saved key values.
            if (image == BufferImage::Restore)
                std::memcpy(buffer(), saved->image.data(), saved->image.size());
            File->setKey(entry.key);
        }
    }
    info().currentKey = entry.key;
    RestoreBuffer(entry.bufferHandle, image);
}

// Releases a saved file state without restoring anything.
void FileManager::discardFile(int handle) {
    auto it = findSaved(handle);
    if (it == saved_.end())
        return;
    int image = it->bufferHandle;
    saved_.erase(it);
    RestoreBuffer(image, BufferImage::Discard);
}

// Restarts the sequence of `key` at `position` and, when that record still
// exists, reads it, so that the next read in either direction continues from
// it; when it was deleted the sequence stays between its neighbours.
void FileManager::repositionTo(int key, const std::string& position) {
    const bool exists = File->reget(position) == store::Ok;
    File->resetTo(key, position);
    if (exists)
        File->next();
}

// ---------------------------------------------------------------------------
// Keys and positions

void FileManager::SetKey(int key) {
    if (key != 0)
        keyEntry(key);
    if (UseFile() != Benign)
        return;
    info().currentKey = key;
    File->setKey(key);
}

int FileManager::GetComponents(int key) const {
    return static_cast<int>(keyEntry(key).components.size());
}

int FileManager::GetField(int key, int component) const {
    return this->component(key, component).field;
}

std::string FileManager::GetFieldName(int key, int component) const {
    return this->component(key, component).name;
}

void FileManager::ClearKey(int key, int firstComponent, int lastComponent, KeyBound bound) {
    const KeyEntry& entry = keyEntry(key);
    const int last = std::min(lastComponent, static_cast<int>(entry.components.size()));
    for (int c = std::max(firstComponent, 1); c <= last; ++c) {
        const Component& part = entry.components[static_cast<size_t>(c - 1)];
        const bool highest = part.ascending == (bound == KeyBound::Highest);
        for (int column : desc().columnsOf(part.field)) {
            fillExtreme(buffer(), desc().field(column), highest);
        }
    }
}

std::string FileManager::KeyToOrder(int key, int firstComponent) const {
    const KeyEntry& entry = keyEntry(key);
    std::string order;
    for (size_t c = static_cast<size_t>(std::max(firstComponent, 1)); c <= entry.components.size();
         ++c) {
        const Component& part = entry.components[c - 1];
        if (!order.empty())
            order += ',';
        if (!part.ascending)
            order += '-';
        order += part.name;
    }
    if (order.size() > kMaxOrderLength)
        order.resize(kMaxOrderLength);
    return order;
}

std::string FileManager::Position() {
    checkInit();
    return File->position(PrimaryKey);
}

Level FileManager::TryReget(const std::string& position) {
    if (UseFile() != Benign)
        return Notify;
    return File->reget(position) == store::Ok ? Benign : Notify;
}

}  // namespace vorda
