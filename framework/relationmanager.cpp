#include "framework/relationmanager.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>
#include <utility>

#include "framework/assertion.h"
#include "framework/errorids.h"
#include "framework/filemanager.h"
#include "framework/filestateguard.h"
#include "platform/process/errorstate.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/transaction.h"
#include "platform/types/cp1252.h"
#include "platform/ui/messagebox.h"

namespace vorda {

namespace {

constexpr int TransactionTimeoutSeconds = 2;

// Each traversal (open, close, quick scan, collecting a transaction's tables)
// takes a new number; a manager whose LastTouched equals it was visited.
unsigned nextGeneration() {
    static unsigned generation = 0;
    return ++generation;
}

const store::FieldDesc& fieldDesc(const FileManager& file, int field) {
    return file.File->desc().field(field);
}

bool isTextKind(store::FieldKind kind) {
    return kind == store::FieldKind::Text || kind == store::FieldKind::Group;
}

char* fieldBytes(const FileManager& file, int field) {
    return static_cast<char*>(file.File->buffer()) + fieldDesc(file, field).offset;
}

// Holds back the notices (one-button boxes) shown while a transaction is
// open and shows them, in order, when released; questions and halts go
// through at once (a halt first releases what is held).
class MessageDeferral final : public ui::MessagePresenter {
public:
    MessageDeferral() : previous_(ui::setPresenter(this)) {}
    ~MessageDeferral() override { release(); }
    MessageDeferral(const MessageDeferral&) = delete;
    MessageDeferral& operator=(const MessageDeferral&) = delete;

    void release() {
        if (released_)
            return;
        released_ = true;
        ui::setPresenter(previous_);
        for (const ui::MessageBox& box : held_)
            ui::message(box);
        held_.clear();
    }

    unsigned show(const ui::MessageBox& box) override {
        if (box.buttons == ui::ButtonOk) {
            held_.push_back(box);
            return ui::ButtonOk;
        }
        ui::setPresenter(previous_);
        const unsigned answer = ui::message(box);
        ui::setPresenter(this);
        return answer;
    }

    void halt(int exitCode, const std::string& text) override {
        release();
        ui::halt(exitCode, text);
    }

private:
    ui::MessagePresenter* previous_;
    std::vector<ui::MessageBox> held_;
    bool released_ = false;
};

}  // namespace

// ---------------------------------------------------------------------------
// Logout: one Update or Delete attempt.
//
//   begin ──► (work; the first failure is noted with fail()) ──► commit  → Benign
//                                                            └─► abort   → report
//
// Without UseLogout there is no transaction: the steps run one by one and a
// failure is only reported.

class RelationManager::Logout {
public:
    explicit Logout(RelationManager& primary) : primary_(primary) {}
    Logout(const Logout&) = delete;
    Logout& operator=(const Logout&) = delete;

    // Benign, or the failure level after reporting it (error 21: nothing open).
    Level begin() {
        if (!primary_.UseLogout)
            return Benign;
        std::vector<FileManager*> managers;
        primary_.LogoutPrime(managers, nextGeneration());
        std::vector<store::File*> files;
        for (FileManager* manager : managers) {
            frameworkAssert(manager->File->supportsTransactions(),
                            "Driver does not support transaction framing.");
            const Level used = manager->UseFile();
            if (used != Benign)
                return used;
            files.push_back(manager->File);
        }
        if (transaction_.begin(files, TransactionTimeoutSeconds) != store::Ok) {
            primary_.Me->Throw(msg::TransactionError);
            return Notify;
        }
        deferral_.emplace();
        return Benign;
    }

    // Notes the first failure: `file` names the table in the message, `id` is
    // the catalogue entry; the platform error state is captured now, before a
    // rollback or a restored file state can change it. An id of 0 notes a
    // failure that was already reported.
    void fail(FileManager* file, uint16_t id) {
        if (failed_)
            return;
        failed_ = true;
        file_ = file;
        id_ = id;
        state_ = platform::lastError();
    }

    // Commits. A commit the driver refuses is rolled back and reported as
    // error `commitErrorId` of the primary table; gives Notify then.
    Level commit(uint16_t commitErrorId) {
        if (primary_.UseLogout) {
            frameworkAssert(transaction_.active(), "Unable to commit transaction");
            if (transaction_.commit() != store::Ok) {
                fail(primary_.Me, commitErrorId);
                abort();
                return Notify;
            }
        }
        release();
        return Benign;
    }

    // Rolls back, shows what was held back, then the noted failure.
    void abort() {
        if (transaction_.active())
            transaction_.rollback();
        release();
        if (!failed_ || id_ == 0)
            return;
        platform::setLastError(state_.code, state_.text, state_.fileErrorCode, state_.fileError);
        file_->Throw(id_);
        id_ = 0;
    }

private:
    void release() {
        if (deferral_)
            deferral_->release();
        deferral_.reset();
    }

    RelationManager& primary_;
    store::Transaction transaction_;
    std::optional<MessageDeferral> deferral_;
    bool failed_ = false;
    FileManager* file_ = nullptr;
    uint16_t id_ = 0;
    platform::ErrorState state_;
};

// ---------------------------------------------------------------------------
// Set-up

RelationManager::~RelationManager() = default;

void RelationManager::Init(FileManager* file, Framing framing) {
    frameworkAssert(file != nullptr, "Relation manager incorrectly initialized.");
    Me = file;
    UseLogout = framing == Framing::Transaction;
    relations_.clear();
    saved_.clear();
    hasSaved_ = false;
}

void RelationManager::AddRelation(RelationManager* related) {
    AddRelation(related, RINone, RINone, 0);
}

void RelationManager::AddRelation(RelationManager* related, RIMode updateMode, RIMode deleteMode,
                                  int relatedKey) {
    frameworkAssert(Me != nullptr && related != nullptr,
                    "Relation manager incorrectly initialized.");
    frameworkAssert(updateMode <= RICascade && deleteMode <= RICascade, "Invalid RI mode");
    if (updateMode != RINone || deleteMode != RINone) {
        frameworkAssert(relatedKey > 0, "Relation manager incorrectly initialized.");
    }
    relations_.push_back({.related = related,
                          .links = {},
                          .relatedKey = relatedKey,
                          .updateMode = updateMode,
                          .deleteMode = deleteMode});
    hasSaved_ = false;
}

void RelationManager::AddRelationLink(int thisField, int relatedField) {
    frameworkAssert(!relations_.empty(), "Relation manager incorrectly initialized.");
    relations_.back().links.push_back({.thisField = thisField, .relatedField = relatedField});
    hasSaved_ = false;
}

void RelationManager::Kill() {
    relations_.clear();
    saved_.clear();
    hasSaved_ = false;
    Me = nullptr;
}

void RelationManager::checkInit() const {
    frameworkAssert(Me != nullptr && Me->File != nullptr,
                    "Relation manager incorrectly initialized.");
}

void RelationManager::checkLinks(const Relation& relation) const {
    frameworkAssert(!relation.links.empty(), "Relation must have at least on linking field");
}

// ---------------------------------------------------------------------------
// Open, close, quick scan

Level RelationManager::Open(Reach reach) {
    checkInit();
    if (reach == Reach::ThisTable)
        return Me->Open();
    return eachReached(nextGeneration(), Through::AllRelations,
                       [](RelationManager& r) { return r.Me->Open(); });
}

Level RelationManager::Close(Reach reach) {
    checkInit();
    if (reach == Reach::ThisTable)
        return Me->Close();
    return eachReached(nextGeneration(), Through::AllRelations,
                       [](RelationManager& r) { return r.Me->Close(); });
}

void RelationManager::SetQuickScan(bool on, Reach reach) {
    checkInit();
    const char* command = on ? "QUICKSCAN=on" : "QUICKSCAN=off";
    if (reach == Reach::ThisTable) {
        Me->File->send(command);
        return;
    }
    eachReached(nextGeneration(), Through::AllRelations, [command](RelationManager& r) {
        r.Me->File->send(command);
        return Benign;
    });
}

void RelationManager::LogoutPrime(std::vector<FileManager*>& managers, unsigned generation) {
    eachReached(generation, Through::ActiveRelations, [&managers](RelationManager& r) {
        managers.push_back(r.Me);
        return Benign;
    });
}

Level RelationManager::eachReached(unsigned generation, Through through, const Step& step) {
    if (LastTouched == generation)
        return Benign;
    checkInit();
    LastTouched = generation;
    Level result = step(*this);
    for (const Relation& relation : relations_) {
        const bool active = relation.relatedKey != 0 &&
                            (relation.updateMode != RINone || relation.deleteMode != RINone);
        if (through == Through::ActiveRelations && !active)
            continue;
        const Level level = relation.related->eachReached(generation, through, step);
        if (result == Benign)
            result = level;
    }
    return result;
}

std::vector<RelationManager::LinkPair> RelationManager::ListLinkingFields(
    const RelationManager* related) const {
    for (const Relation& relation : relations_) {
        if (relation.related == related && !relation.links.empty())
            return relation.links;
    }
    if (related == nullptr)
        return {};
    for (const Relation& relation : related->relations_) {
        if (relation.related != this || relation.links.empty())
            continue;
        std::vector<LinkPair> swapped;
        for (const LinkPair& link : relation.links) {
            swapped.push_back({.thisField = link.relatedField, .relatedField = link.thisField});
        }
        return swapped;
    }
    return {};
}

// ---------------------------------------------------------------------------
// Field images and linking values

std::string RelationManager::FieldImage(const FileManager& file, int field) {
    return {fieldBytes(file, field), fieldDesc(file, field).bytes()};
}

void RelationManager::SetFieldImage(FileManager& file, int field, std::string_view image) {
    const store::FieldDesc& fd = fieldDesc(file, field);
    const size_t width = fd.bytes();
    char* bytes = fieldBytes(file, field);
    const size_t n = std::min(width, image.size());
    if (n > 0)
        std::memcpy(bytes, image.data(), n);
    std::memset(bytes + n, isTextKind(fd.kind) ? ' ' : 0, width - n);
}

void RelationManager::ClearField(FileManager& file, int field) {
    SetFieldImage(file, field, {});
}

RelationManager::LinkValues RelationManager::linkValues(const Relation& relation) const {
    LinkValues values;
    for (const LinkPair& link : relation.links)
        values.push_back(FieldImage(*Me, link.thisField));
    return values;
}

std::vector<RelationManager::LinkValues> RelationManager::allLinkValues() const {
    std::vector<LinkValues> values;
    for (const Relation& relation : relations_)
        values.push_back(linkValues(relation));
    return values;
}

void RelationManager::Save() {
    checkInit();
    saved_ = allLinkValues();
    savedPosition_ = Me->Position();
    hasSaved_ = true;
}

// The values the linking fields had before the change: the saved copy when it
// was taken from this very record; otherwise the buffer's own values, so that
// nothing counts as changed. (Re-reading the stored record instead would take
// a newer version than the one read and hide another station's change.)
std::vector<RelationManager::LinkValues> RelationManager::valuesBeforeUpdate() {
    const bool valid =
        hasSaved_ && saved_.size() == relations_.size() && savedPosition_ == Me->Position();
    return valid ? saved_ : allLinkValues();
}

void RelationManager::putBackLinks(const Relation& relation, const LinkValues& values) {
    for (size_t i = 0; i < relation.links.size() && i < values.size(); ++i) {
        SetFieldImage(*Me, relation.links[i].thisField, values[i]);
    }
}

// Dependent side: `values` are the parent's images, stored into this table's
// linking fields (text cut or padded to this table's widths).
void RelationManager::storeLinks(const Relation& relation, const LinkValues& values) {
    for (size_t i = 0; i < relation.links.size(); ++i) {
        SetFieldImage(*Me, relation.links[i].relatedField, values[i]);
    }
}

void RelationManager::clearLinks(const Relation& relation) {
    for (const LinkPair& link : relation.links)
        ClearField(*Me, link.relatedField);
}

bool RelationManager::clearedLinks(const Relation& relation, const LinkValues& values) const {
    for (size_t i = 0; i < relation.links.size(); ++i) {
        const std::string& image = values[i];
        const bool text = isTextKind(fieldDesc(*Me, relation.links[i].relatedField).kind);
        const char blank = text ? ' ' : '\0';
        if (image.find_first_not_of(blank) != std::string::npos)
            return false;
    }
    return true;
}

bool RelationManager::dependentHolds(const Relation& relation, const LinkValues& values,
                                     Letters letters) const {
    for (size_t i = 0; i < relation.links.size(); ++i) {
        const int field = relation.links[i].relatedField;
        std::string wanted = FieldImage(*Me, field);
        const std::string actual = wanted;
        const size_t n = std::min(wanted.size(), values[i].size());
        std::memcpy(wanted.data(), values[i].data(), n);
        std::fill(wanted.begin() + static_cast<std::ptrdiff_t>(n), wanted.end(),
                  isTextKind(fieldDesc(*Me, field).kind) ? ' ' : '\0');
        if (letters == Letters::AnyCase) {
            if (cp1252::toUpper(actual) != cp1252::toUpper(wanted))
                return false;
        } else if (actual != wanted) {
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------
// Finding dependent records

// The first component of the relation's key that the linking fields do not
// wholly cover. The key's columns must begin with the linking fields' columns.
int RelationManager::firstFreeComponent(const Relation& relation) const {
    const store::TableDesc& desc = Me->File->desc();
    std::set<int> linkColumns;
    for (const LinkPair& link : relation.links) {
        for (int column : desc.columnsOf(link.relatedField))
            linkColumns.insert(column);
    }
    const int components = Me->GetComponents(relation.relatedKey);
    std::vector<int> keyColumns;
    int firstFree = components + 1;
    for (int c = 1; c <= components; ++c) {
        const std::vector<int> columns = desc.columnsOf(Me->GetField(relation.relatedKey, c));
        const bool covered = std::all_of(columns.begin(), columns.end(),
                                         [&](int column) { return linkColumns.count(column); });
        if (!covered && firstFree > components)
            firstFree = c;
        keyColumns.insert(keyColumns.end(), columns.begin(), columns.end());
    }
    const bool leads =
        keyColumns.size() >= linkColumns.size() &&
        std::all_of(keyColumns.begin(),
                    keyColumns.begin() + static_cast<std::ptrdiff_t>(linkColumns.size()),
                    [&](int column) { return linkColumns.count(column); });
    frameworkAssert(leads, "Relation key must begin with the linking fields");
    return firstFree;
}

Level RelationManager::seekDependent(const Relation& relation, const LinkValues& values) {
    const int key = relation.relatedKey;
    storeLinks(relation, values);
    const int firstFree = firstFreeComponent(relation);
    if (firstFree <= Me->GetComponents(key))
        Me->ClearKey(key, firstFree);
    storeLinks(relation, values);  // a partly covered component keeps the linking part
    Me->SetKey(key);
    return nextDependent(relation, values);
}

// The next record of the current key sequence that refers to `values`:
// Benign, Notify past the last one, Fatal on a read error.
Level RelationManager::nextDependent(const Relation& relation, const LinkValues& values) {
    const bool noCase =
        Me->File->desc().keys.at(static_cast<size_t>(relation.relatedKey - 1)).noCase;
    for (;;) {
        const Level read = Me->TryNext();
        if (read == Notify)
            return Notify;
        if (read != Benign)
            return Fatal;
        if (dependentHolds(relation, values, Letters::ExactCase))
            return Benign;
        // A key that ignores case keeps "abc" and "ABC" together in any order.
        if (!noCase || !dependentHolds(relation, values, Letters::AnyCase))
            return Notify;
    }
}

// ---------------------------------------------------------------------------
// Delete

Level RelationManager::Delete(Confirm confirm) {
    checkInit();
    if (confirm == Confirm::Ask && Me->Throw(msg::ConfirmDelete) != Benign)
        return Notify;
    for (;;) {
        const Level result = deleteAttempt();
        if (result == Benign) {
            hasSaved_ = false;
            return Benign;
        }
        if (Me->Throw(msg::RetryDelete) != Benign)
            return result;
    }
}

Level RelationManager::DeleteOnce() {
    checkInit();
    const Level result = deleteAttempt();
    if (result == Benign)
        hasSaved_ = false;
    return result;
}

Level RelationManager::deleteAttempt() {
    const std::string position = Me->Position();
    Open(Reach::Related);
    Logout logout(*this);
    Level result = logout.begin();
    if (result == Benign) {
        result = deleteRecord(logout, position);
        if (result == Benign) {
            result = logout.commit(msg::DeleteError);
        } else {
            logout.abort();
        }
    }
    Close(Reach::Related);
    return result;
}

Level RelationManager::deleteRecord(Logout& logout, const std::string& position) {
    if (Me->TryReget(position) != Benign) {
        logout.fail(Me, msg::DeleteError);
        return Notify;
    }
    const Level level = deleteDependents(logout);
    if (level != Benign)
        return level;
    return eraseCurrent(logout, position);
}

Level RelationManager::deleteDependents(Logout& logout) {
    for (const Relation& relation : relations_) {
        if (relation.deleteMode == RINone || relation.relatedKey == 0)
            continue;
        const Level level = relation.related->DeleteSecondary(logout, relation, *this);
        if (level != Benign)
            return level;
    }
    return Benign;
}

// Deletes the record at `position` (re-read first: handling its dependents may
// have run lookups in this table).
Level RelationManager::eraseCurrent(Logout& logout, const std::string& position) {
    if (Me->TryReget(position) != Benign || Me->File->erase() != store::Ok) {
        logout.fail(Me, msg::DeleteError);
        return Notify;
    }
    return Benign;
}

// A cascade over records without dependents of their own is one pass along
// the key: each record is erased as it is read, and the sequence goes on
// after it.
Level RelationManager::eraseDependents(Logout& logout, const Relation& relation,
                                       const LinkValues& values) {
    if (linksWholeKey(relation))
        return eraseByKey(logout, relation, values);
    Level found = seekDependent(relation, values);
    while (found == Benign) {
        if (eraseRead(logout) != Benign)
            return Notify;
        found = nextDependent(relation, values);
    }
    if (found == Notify)
        return Benign;
    logout.fail(Me, 1);
    return Fatal;
}

// The linking fields are the whole key, compared as stored: the records
// referring to the parent are exactly those with the parent's key values.
bool RelationManager::linksWholeKey(const Relation& relation) const {
    const int key = relation.relatedKey;
    return !Me->File->desc().keys.at(static_cast<size_t>(key - 1)).noCase &&
           firstFreeComponent(relation) > Me->GetComponents(key);
}

// Every record with the parent's key values goes in one statement.
Level RelationManager::eraseByKey(Logout& logout, const Relation& relation,
                                  const LinkValues& values) {
    if (Me->UseFile() != Benign) {
        logout.fail(Me, 1);
        return Fatal;
    }
    storeLinks(relation, values);
    int64_t erased = 0;
    if (Me->File->eraseEqual(relation.relatedKey, erased) != store::Ok) {
        logout.fail(Me, 11);
        return Notify;
    }
    return Benign;
}

// A record without dependents is still the table's current record when it
// is deleted: nothing has read this table since it was found.
Level RelationManager::eraseRead(Logout& logout) {
    if (Me->File->erase() != store::Ok) {
        logout.fail(Me, 11);
        return Notify;
    }
    return Benign;
}

bool RelationManager::hasDependents() const {
    return std::any_of(relations_.begin(), relations_.end(), [](const Relation& r) {
        return r.deleteMode != RINone && r.relatedKey != 0;
    });
}

Level RelationManager::DeleteSecondary(Logout& logout, const Relation& relation,
                                       RelationManager& parent) {
    checkInit();
    checkLinks(relation);
    FileStateGuard state(*Me);
    const LinkValues values = parent.linkValues(relation);
    if (relation.deleteMode == RIClear && clearedLinks(relation, values))
        return Benign;
    if (relation.deleteMode == RICascade && !hasDependents())
        return eraseDependents(logout, relation, values);
    for (;;) {
        const Level found = seekDependent(relation, values);
        if (found == Notify)
            return Benign;
        if (found != Benign) {
            logout.fail(Me, msg::RetrieveError);
            return Fatal;
        }
        const Level level = deleteOne(logout, relation);
        if (level != Benign)
            return level;
    }
}

Level RelationManager::deleteOne(Logout& logout, const Relation& relation) {
    switch (relation.deleteMode) {
        case RIRestrict:
            logout.fail(Me, msg::RestrictDelete);
            return Notify;
        case RIClear:
            return clearDependent(logout, relation);
        case RICascade: {
            if (!hasDependents())
                return eraseRead(logout);
            const std::string position = Me->Position();
            const Level level = deleteDependents(logout);
            return level != Benign ? level : eraseCurrent(logout, position);
        }
        default:
            assertionFailure("Invalid RI mode specified");
            return Program;
    }
}

Level RelationManager::clearDependent(Logout& logout, const Relation& relation) {
    const std::vector<LinkValues> before = allLinkValues();
    clearLinks(relation);
    const Level level = writeDependent(logout);
    return level != Benign ? level : CascadeUpdates(logout, before);
}

// Rewrites the current (dependent) record; a refusal is noted for the report
// (a validation refusal has reported itself, held back until the rollback).
Level RelationManager::writeDependent(Logout& logout) {
    const Level level = Me->TryUpdate();
    if (level == Benign)
        return Benign;
    logout.fail(Me, level == Notify ? Me->GetError() : 0);
    return level;
}

// ---------------------------------------------------------------------------
// Update

Level RelationManager::Update(ChangedElsewhere changed) {
    checkInit();
    const std::vector<LinkValues> before = valuesBeforeUpdate();
    Open(Reach::Related);
    Logout logout(*this);
    Level result = logout.begin();
    if (result == Benign)
        result = updateRecord(logout, before, changed);
    Close(Reach::Related);
    if (result == Benign)
        Save();
    return result;
}

Level RelationManager::updateRecord(Logout& logout, const std::vector<LinkValues>& oldValues,
                                    ChangedElsewhere changed) {
    const Level written = Me->TryUpdate();
    if (written != Benign)
        return updateFailure(logout, written, changed);
    size_t failedAt = 0;
    if (CascadeUpdates(logout, oldValues, &failedAt) != Benign) {
        logout.abort();
        putBackLinks(relations_[failedAt], oldValues[failedAt]);
        return Notify;
    }
    return logout.commit(msg::UpdateError);
}

// The record's own write failed: roll back, then report. Another station's
// change (6) becomes 7 for a form, which then shows that station's values.
// A record another station deleted (5) is not reported: the caller decides.
Level RelationManager::updateFailure(Logout& logout, Level level, ChangedElsewhere changed) {
    uint16_t id = level == Notify ? Me->GetError() : 0;
    const bool gone = id == msg::NotFoundAddNew;
    if (gone)
        id = 0;
    else if (changed == ChangedElsewhere::ReportAndShow && id == msg::RecordChanged)
        id = msg::RecordChangedShown;
    logout.fail(Me, id);
    logout.abort();
    return (gone || id == msg::RecordChanged || id == msg::RecordChangedShown) ? Notify : User;
}

Level RelationManager::CascadeUpdates(Logout& logout, const std::vector<LinkValues>& oldValues,
                                      size_t* failedAt) {
    for (size_t i = 0; i < relations_.size() && i < oldValues.size(); ++i) {
        const Relation& relation = relations_[i];
        if (relation.updateMode == RINone || relation.relatedKey == 0)
            continue;
        if (linkValues(relation) == oldValues[i])
            continue;
        const Level level =
            relation.related->UpdateSecondary(logout, relation, *this, oldValues[i]);
        if (level != Benign) {
            if (failedAt)
                *failedAt = i;
            return level;
        }
    }
    return Benign;
}

Level RelationManager::UpdateSecondary(Logout& logout, const Relation& relation,
                                       RelationManager& parent, const LinkValues& oldValues) {
    checkInit();
    checkLinks(relation);
    FileStateGuard state(*Me);
    const LinkValues newValues = parent.linkValues(relation);
    if (relation.updateMode == RIClear && clearedLinks(relation, oldValues))
        return Benign;
    for (;;) {
        const Level found = seekDependent(relation, oldValues);
        if (found == Notify)
            return Benign;
        if (found != Benign) {
            logout.fail(Me, msg::RetrieveError);
            return Fatal;
        }
        if (relation.updateMode == RIRestrict) {
            logout.fail(Me, msg::RestrictUpdate);
            return Notify;
        }
        const Level level = rewriteDependent(logout, relation, newValues);
        if (level != Benign)
            return level;
    }
}

// Clear or cascade: the dependent gets blank or the parent's new linking
// values, is written, and its own relations follow the change.
Level RelationManager::rewriteDependent(Logout& logout, const Relation& relation,
                                        const LinkValues& newValues) {
    const std::vector<LinkValues> before = allLinkValues();
    switch (relation.updateMode) {
        case RIClear:
            clearLinks(relation);
            break;
        case RICascade:
            storeLinks(relation, newValues);
            break;
        default:
            assertionFailure("Invalid RI mode specified");
            return Program;
    }
    const Level level = writeDependent(logout);
    return level != Benign ? level : CascadeUpdates(logout, before);
}

}  // namespace vorda
