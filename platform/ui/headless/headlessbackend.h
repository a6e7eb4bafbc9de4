// HeadlessBackend: the runtime without a display, for tests and UI scripts.
//
// Window state lives in the runtime core; this backend adds what a display
// would: message boxes that wait for an answer (each box is recorded, and
// printed as `MESSAGE "<caption>" "<text>"` on the transcript when it
// appears), a virtual clock that moves only through advance(), and the
// loop that runs the procedure threads (settle()).
//
// Printing. A window with a page view (a print preview) prints
// `PREVIEW "<caption>" <pages>` on the transcript when it opens. Output jobs
// are carried out at the next settle(): a file chooser answers the name given
// with answerFile() (cancelled without one), a print job is recorded
// (printed()) and written as `PRINTED <pages>`, a PDF job goes to the PDF
// writer set with setPdfWriter() (failed without one) and is written as
// `PDF "<file>" <pages>` when it succeeds.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ui/backend.h"
#include "platform/ui/clock.h"

namespace vorda::ui {

class Runtime;

class HeadlessBackend final : public Backend {
public:
    explicit HeadlessBackend(std::ostream* transcript = nullptr) : transcript_(transcript) {}

    void windowOpened(Window& window) override;
    void windowClosed(WindowId) override {}
    void changed(Window& window, ControlId control, Change what) override;
    void requestRun() override {}
    // settle() waits for the workers itself.
    void wakeFromAnyThread() override {}
    void showMessage(MessageId id, const MessageBox& box, int thread) override;
    void withdrawMessage(MessageId id) override;
    // Outside every procedure thread nobody can answer: the box is recorded
    // and takes its default button.
    unsigned messageNow(const MessageBox& box) override;
    void showPopup(PopupId id, const PopupMenu& menu, int thread) override;
    void withdrawPopup(PopupId id) override;
    void halt(int exitCode, const std::string& text) override;
    void startOutput(OutputId id, const OutputJob& job, int thread) override;
    void withdrawOutput(OutputId id) override;
    void busy(bool on) override { busy_ = on; }
    print::PageSize paper() override { return print::A4; }
    void standardAction(StandardAction action) override { actions_.push_back(action); }
    void timersChanged() override {}
    void beep() override { ++beeps_; }
    Clock& clock() override { return clock_; }

    // Runs the procedure threads until none can go on; a thread that waits
    // for work on an OS thread is waited for.
    void settle(Runtime& rt);
    // Lets `hundredths` of clock time pass, firing the timers that fall due
    // in time order and running the threads after each.
    void advance(Runtime& rt, int64_t hundredths);

    enum class Answer { Done, NoBox, NoSuchButton };
    // Answers the oldest pending box: "Ok" (its only or accepting button),
    // "Yes", "No", "Cancel", ... or a button's label ("Cerrar", "Aceptar").
    Answer answer(Runtime& rt, std::string_view button);
    static std::optional<unsigned> buttonByName(const MessageBox& box, std::string_view name);

    enum class Choice { Done, NoPopup, NoSuchEntry, Disabled };
    // Chooses an entry of the oldest pending popup by its text ('&'
    // optional); "none" dismisses it.
    Choice choose(Runtime& rt, std::string_view entry);
    bool popupPending() const { return !popups_.empty(); }
    const PopupMenu* pendingPopup() const;

    // Writes `document` to `file` as a PDF; returns "" or why it failed.
    using PdfWriter = std::function<std::string(const print::Document&, const std::string& file)>;
    void setPdfWriter(PdfWriter writer) { pdfWriter_ = std::move(writer); }
    // The next file chooser answers `file`.
    void answerFile(std::string file) { nextFile_ = std::move(file); }
    // Every box is answered at once with its default button (a run that no
    // user watches, such as `vorda --pdf`).
    void setAutoAnswer(bool on) { autoAnswer_ = on; }
    const std::vector<std::shared_ptr<const print::Document>>& printed() const { return printed_; }
    bool isBusy() const { return busy_; }

    bool messagePending() const { return !pending_.empty(); }
    const MessageBox* pendingMessage() const;
    const std::vector<MessageBox>& shown() const { return shown_; }
    const std::optional<std::pair<int, std::string>>& halted() const { return halted_; }
    const std::vector<StandardAction>& actions() const { return actions_; }
    int beeps() const { return beeps_; }
    VirtualClock& virtualClock() { return clock_; }

private:
    struct Pending {
        MessageId id = 0;
        MessageBox box{};
    };

    struct PendingPopup {
        PopupId id = 0;
        PopupMenu menu{};
    };

    struct PendingOutput {
        OutputId id = 0;
        OutputJob job{};
    };

    void record(const MessageBox& box);
    void record(const PopupMenu& menu);
    void runOutputs(Runtime& rt);
    OutputResult carryOut(const OutputJob& job);

    std::ostream* transcript_;
    VirtualClock clock_;
    std::vector<Pending> pending_;
    std::vector<PendingPopup> popups_;
    std::vector<MessageBox> shown_;
    std::optional<std::pair<int, std::string>> halted_;
    std::vector<StandardAction> actions_;
    int beeps_ = 0;
    std::vector<PendingOutput> outputs_;
    std::vector<std::shared_ptr<const print::Document>> printed_;
    PdfWriter pdfWriter_;
    std::optional<std::string> nextFile_;
    bool autoAnswer_ = false;
    bool busy_ = false;
};

}  // namespace vorda::ui
