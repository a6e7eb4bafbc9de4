// RelationManager: a table's relations and their referential integrity.
//
// One relation manager stands beside each table's FileManager (`Me`). It
// knows the relations of the table: to a parent (a plain lookup link) and to
// dependent tables (with the dependent's key that finds the referring
// records, the linking field pairs and the update and delete modes). It opens
// and closes the table together with every table reachable through its
// relations, and it enforces the modes when a record is changed or deleted:
//
//   mode        on delete of the record          on change of its linking fields
//   RINone      nothing                          nothing
//   RIClear     clear the dependents' links      clear the dependents' links
//   RIRestrict  refuse: error 30                 refuse: error 31, links put back
//   RICascade   delete the dependents, applying  copy the new values into the
//               their own delete rules           dependents, applying their rules
//
// Set-up order: Init (the table's FileManager, transaction framing flag), then
// per relation AddRelation followed by its AddRelationLink calls; Kill at the
// end. A related manager may still be uninitialised while relations naming it
// are added; it must be initialised before any Open, Update or Delete.
//
// Transactions. With UseLogout set, Update and Delete run inside one store
// transaction over the table and every table reachable through relations with
// an active mode (begun with a 2-second timeout; error 21 when it cannot
// begin). Invariants of such an attempt:
//   1. Any failure rolls the whole transaction back before anything is shown:
//      the failing step's catalogue error (captured with the platform error
//      state when it happened) is reported after the rollback.
//   2. Notices raised while the transaction is open by code it calls (the field
//      rules of a dependent being rewritten) are held back and shown after the
//      commit or rollback, so no message box yields with a transaction open.
//   3. A dependent table's file state (buffer, key, position) is the same
//      after the attempt as before it, whatever the outcome.
//   4. A refused or failed change puts the parent's linking fields of the
//      failing relation back to the values they had when it was read.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/level.h"

namespace vorda {

class FileManager;

enum RIMode : uint8_t { RINone = 0, RIClear = 1, RIRestrict = 2, RICascade = 3 };

// Whether Update and Delete run inside one store transaction (UseLogout).
enum class Framing { None, Transaction };
// Whether an operation concerns this table alone or every table reachable
// through its relations as well.
enum class Reach { ThisTable, Related };
// Whether Delete asks error 9 before deleting.
enum class Confirm { Ask, DontAsk };
// How Update reports a record changed by another station: error 6, or error 7,
// which tells a form's user that the other station's values are shown now.
enum class ChangedElsewhere { Report, ReportAndShow };

class RelationManager {
public:
    struct LinkPair {
        int thisField;     // field number in this table
        int relatedField;  // field number in the related table
    };

    RelationManager() = default;
    RelationManager(const RelationManager&) = delete;
    RelationManager& operator=(const RelationManager&) = delete;
    virtual ~RelationManager();

    virtual void Init(FileManager* file, Framing framing);
    // A plain lookup link to a parent table (declared on the child).
    void AddRelation(RelationManager* related);
    // A relation to dependent records: `relatedKey` is the key of the related
    // table used to find them (1-based index into its descriptor's keys); its
    // leading components must be the related table's linking fields.
    void AddRelation(RelationManager* related, RIMode updateMode, RIMode deleteMode,
                     int relatedKey);
    // Adds a linking field pair to the relation added last (field numbers of
    // this table and of the related table).
    void AddRelationLink(int thisField, int relatedField);
    // Forgets the relations; the FileManager is the owner's to kill.
    virtual void Kill();

    // Open/Close this table and, with Reach::Related, every table reachable
    // through the relations (each once). The level of the first failure, else Benign.
    virtual Level Open(Reach reach = Reach::Related);
    virtual Level Close(Reach reach = Reach::Related);

    // Writes the record in the buffer (FileManager::TryUpdate) and applies the
    // update modes of every relation whose linking values differ from the
    // saved copy. Benign on success. Failures: User when the record's
    // validation refused it or the write failed (error 25 shown); Notify when
    // another station changed the record (error 6, or 7 with ReportAndShow; the
    // buffer then holds that station's version), when a dependent refused or
    // failed (30/31/11/1/25 shown), or when the transaction could not begin.
    // When another station deleted the record nothing is shown: Notify, with
    // Me->GetError() = 5, and the buffer keeps this one's values.
    virtual Level Update(ChangedElsewhere changed = ChangedElsewhere::Report);
    // Deletes the current record and applies the delete modes. Asks error 9
    // first unless told not to (No gives Notify). A failed attempt is reported
    // and error 33 asks whether to try again: Yes repeats, No returns the
    // failed attempt's level.
    virtual Level Delete(Confirm confirm = Confirm::Ask);
    // One delete attempt without confirmation and without the retry
    // question: the failure is reported and its level returned. A form that
    // asks error 33 itself (with Cancel) uses this, so the user is asked once.
    Level DeleteOnce();
    // Keeps the linking values of the record now in the buffer, read from the
    // table: the values the next Update of that record compares with. A copy
    // saved from another record is not used: without a copy of this record's
    // values Update sees no change of its linking fields.
    void Save();
    // Sends "QUICKSCAN=on"/"QUICKSCAN=off" to the table's driver, and with
    // Reach::Related to every related table.
    void SetQuickScan(bool on, Reach reach = Reach::ThisTable);
    // The linking pairs (this field, related field) between this table and
    // `related`, from whichever side declared them; empty when there are none.
    std::vector<LinkPair> ListLinkingFields(const RelationManager* related) const;

    // The bytes of field `field` in `file`'s record buffer.
    static std::string FieldImage(const FileManager& file, int field);
    // Stores `image` (taken from a field of the same kind) into field `field`:
    // text is cut or blank-padded to the field's width.
    static void SetFieldImage(FileManager& file, int field, std::string_view image);
    // Sets field `field` to blank (text) or zero (numbers, dates).
    static void ClearField(FileManager& file, int field);

    FileManager* Me = nullptr;
    bool UseLogout = false;
    unsigned LastTouched = 0;  // traversal guard: a table reached twice is handled once

protected:
    class Logout;  // one Update or Delete attempt: its transaction and pending report

    struct Relation {
        RelationManager* related = nullptr;
        std::vector<LinkPair> links;
        int relatedKey = 0;  // 0: a plain lookup link
        RIMode updateMode = RINone;
        RIMode deleteMode = RINone;
    };
    // Linking values of one relation: this side's field images, in link order.
    using LinkValues = std::vector<std::string>;

    // Dependent side (run on the related table's manager): find the records
    // referring to `parent` through `relation` and apply its mode.
    Level DeleteSecondary(Logout& logout, const Relation& relation, RelationManager& parent);
    Level UpdateSecondary(Logout& logout, const Relation& relation, RelationManager& parent,
                          const LinkValues& oldValues);
    // Applies the update modes of every relation whose linking values differ
    // from `oldValues` (one entry per relation); `failedAt` gets the index of
    // the relation that failed.
    Level CascadeUpdates(Logout& logout, const std::vector<LinkValues>& oldValues,
                         size_t* failedAt = nullptr);
    // Collects the managers of a transaction: this table and every table
    // reached through relations with an active mode (each once per generation).
    void LogoutPrime(std::vector<FileManager*>& managers, unsigned generation);

    const std::vector<Relation>& Relations() const { return relations_; }

private:
    enum class Through { AllRelations, ActiveRelations };
    using Step = std::function<Level(RelationManager&)>;

    void checkInit() const;
    // Runs `step` on this manager and then, depth first, on every manager
    // reached through relations (those with an active mode only, when asked),
    // each once per generation. The level of the first failure, else Benign.
    Level eachReached(unsigned generation, Through through, const Step& step);

    Level deleteAttempt();
    Level deleteRecord(Logout& logout, const std::string& position);
    Level deleteDependents(Logout& logout);
    Level deleteOne(Logout& logout, const Relation& relation);
    Level eraseCurrent(Logout& logout, const std::string& position);
    Level eraseRead(Logout& logout);
    bool linksWholeKey(const Relation& relation) const;
    Level eraseByKey(Logout& logout, const Relation& relation, const LinkValues& values);
    Level eraseDependents(Logout& logout, const Relation& relation, const LinkValues& values);
    Level nextDependent(const Relation& relation, const LinkValues& values);
    bool hasDependents() const;
    Level clearDependent(Logout& logout, const Relation& relation);
    Level updateRecord(Logout& logout, const std::vector<LinkValues>& oldValues,
                       ChangedElsewhere changed);
    Level updateFailure(Logout& logout, Level level, ChangedElsewhere changed);
    Level rewriteDependent(Logout& logout, const Relation& relation, const LinkValues& newValues);
    Level writeDependent(Logout& logout);

    // Positions this (dependent) table on the first record whose linking
    // fields of `relation` hold `values`: Benign when found, Notify when there
    // is none, Fatal on a read error.
    Level seekDependent(const Relation& relation, const LinkValues& values);
    int firstFreeComponent(const Relation& relation) const;
    enum class Letters { ExactCase, AnyCase };
    bool dependentHolds(const Relation& relation, const LinkValues& values, Letters letters) const;
    void storeLinks(const Relation& relation, const LinkValues& values);
    void clearLinks(const Relation& relation);
    bool clearedLinks(const Relation& relation, const LinkValues& values) const;
    void checkLinks(const Relation& relation) const;

    LinkValues linkValues(const Relation& relation) const;
    std::vector<LinkValues> allLinkValues() const;
    std::vector<LinkValues> valuesBeforeUpdate();
    void putBackLinks(const Relation& relation, const LinkValues& values);

    std::vector<Relation> relations_;
    std::vector<LinkValues> saved_;  // Save(): one entry per relation
    std::string savedPosition_;      // of the record they were saved from
    bool hasSaved_ = false;
};

}  // namespace vorda
