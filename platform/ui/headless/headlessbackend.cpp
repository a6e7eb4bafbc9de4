// Headless backend: scripted message boxes, the virtual clock, the loop.
#include "platform/ui/headless/headlessbackend.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/print/document.h"
#include "platform/ui/runtime.h"
#include "platform/ui/userinput.h"
#include "platform/ui/window.h"

namespace vorda::ui {

namespace {

struct ButtonName {
    unsigned button;
    std::string_view name;   // as scripts name it
    std::string_view label;  // as the box shows it
};

constexpr std::array buttonNames = {
    ButtonName{.button = ButtonOk, .name = "ok", .label = "Aceptar"},
    ButtonName{.button = ButtonYes, .name = "yes", .label = "Sí"},
    ButtonName{.button = ButtonNo, .name = "no", .label = "No"},
    ButtonName{.button = ButtonAbort, .name = "abort", .label = "Anular"},
    ButtonName{.button = ButtonRetry, .name = "retry", .label = "Reintentar"},
    ButtonName{.button = ButtonIgnore, .name = "ignore", .label = "Omitir"},
    ButtonName{.button = ButtonCancel, .name = "cancel", .label = "Cancelar"},
    ButtonName{.button = ButtonHelp, .name = "help", .label = "Ayuda"},
};

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The button that accepts the box: its only one, else OK, Yes or Retry.
std::optional<unsigned> acceptingButton(unsigned buttons) {
    for (const ButtonName& b : buttonNames) {
        if (buttons == b.button)
            return b.button;
    }
    for (unsigned b : {ButtonOk, ButtonYes, ButtonRetry}) {
        if (buttons & b)
            return b;
    }
    return std::nullopt;
}

}  // namespace

void HeadlessBackend::record(const MessageBox& box) {
    shown_.push_back(box);
    if (transcript_ != nullptr) {
        *transcript_ << "MESSAGE \"" << box.caption << "\" \"" << box.text << "\"\n";
    }
}

void HeadlessBackend::showMessage(MessageId id, const MessageBox& box, int) {
    record(box);
    pending_.push_back({.id = id, .box = box});
    if (autoAnswer_) {
        pending_.pop_back();
        if (Runtime* rt = Runtime::instance())
            rt->answer(id, box.defaultButton);
    }
}

void HeadlessBackend::withdrawMessage(MessageId id) {
    std::erase_if(pending_, [id](const Pending& p) { return p.id == id; });
}

unsigned HeadlessBackend::messageNow(const MessageBox& box) {
    record(box);
    return box.defaultButton;
}

void HeadlessBackend::halt(int exitCode, const std::string& text) {
    if (!halted_)
        halted_ = {exitCode, text};
}

const MessageBox* HeadlessBackend::pendingMessage() const {
    return pending_.empty() ? nullptr : &pending_.front().box;
}

std::optional<unsigned> HeadlessBackend::buttonByName(const MessageBox& box,
                                                      std::string_view name) {
    const std::string wanted = lower(withoutMnemonic(name));
    if (wanted == "ok")
        return acceptingButton(box.buttons);
    for (const ButtonName& b : buttonNames) {
        if (!(box.buttons & b.button))
            continue;
        const std::string_view label =
            b.button == ButtonOk && !box.okLabel.empty() ? std::string_view(box.okLabel) : b.label;
        if (wanted == b.name || wanted == lower(withoutMnemonic(label)))
            return b.button;
    }
    return std::nullopt;
}

HeadlessBackend::Answer HeadlessBackend::answer(Runtime& rt, std::string_view button) {
    if (pending_.empty())
        return Answer::NoBox;
    const std::optional<unsigned> b = buttonByName(pending_.front().box, button);
    if (!b)
        return Answer::NoSuchButton;
    const MessageId id = pending_.front().id;
    pending_.erase(pending_.begin());
    rt.answer(id, *b);
    return Answer::Done;
}

// --- lists --------------------------------------------------------------------------

void HeadlessBackend::changed(Window& window, ControlId control, Change what) {
    const Control* c = what == Change::Geometry ? window.find(control) : nullptr;
    if (c == nullptr || c->kind() != ControlKind::List || c->desc().rows <= 0 ||
        c->desc().at.height <= 0)
        return;
    const int rows = std::max(1, c->desc().rows * c->rect().height / c->desc().at.height);
    if (Runtime* rt = Runtime::instance())
        rt->input().listRows(window.id(), control, rows);
}

// --- popup menus --------------------------------------------------------------------

void HeadlessBackend::record(const PopupMenu& menu) {
    if (transcript_ == nullptr)
        return;
    *transcript_ << "POPUP \"" << menu.title << "\"\n";
    for (const PopupEntry& e : menu.entries) {
        if (e.separator)
            *transcript_ << "SEPARATOR\n";
        else
            *transcript_ << "ITEM \"" << e.text << "\"" << (e.enabled ? "" : " disabled") << "\n";
    }
}

void HeadlessBackend::showPopup(PopupId id, const PopupMenu& menu, int) {
    record(menu);
    popups_.push_back({.id = id, .menu = menu});
}

void HeadlessBackend::withdrawPopup(PopupId id) {
    std::erase_if(popups_, [id](const PendingPopup& p) { return p.id == id; });
}

const PopupMenu* HeadlessBackend::pendingPopup() const {
    return popups_.empty() ? nullptr : &popups_.front().menu;
}

HeadlessBackend::Choice HeadlessBackend::choose(Runtime& rt, std::string_view entry) {
    if (popups_.empty())
        return Choice::NoPopup;
    const PendingPopup popup = popups_.front();
    unsigned chosen = 0;
    if (lower(entry) != "none") {
        const std::string wanted = withoutMnemonic(entry);
        const auto& all = popup.menu.entries;
        const auto it = std::find_if(all.begin(), all.end(), [&](const PopupEntry& e) {
            return !e.separator && (e.text == entry || withoutMnemonic(e.text) == wanted);
        });
        if (it == all.end())
            return Choice::NoSuchEntry;
        if (!it->enabled)
            return Choice::Disabled;
        chosen = static_cast<unsigned>(it - all.begin()) + 1;
    }
    popups_.erase(popups_.begin());
    rt.popupChosen(popup.id, chosen);
    return Choice::Done;
}

// --- print previews and output jobs --------------------------------------------------

void HeadlessBackend::windowOpened(Window& window) {
    if (transcript_ == nullptr)
        return;
    for (const auto& c : window.controls()) {
        if (c->kind() != ControlKind::PageView)
            continue;
        const int pages = c->document() != nullptr ? c->document()->pageCount() : 0;
        *transcript_ << "PREVIEW \"" << window.caption() << "\" " << pages << "\n";
    }
}

void HeadlessBackend::startOutput(OutputId id, const OutputJob& job, int) {
    outputs_.push_back({.id = id, .job = job});
}

void HeadlessBackend::withdrawOutput(OutputId id) {
    std::erase_if(outputs_, [id](const PendingOutput& o) { return o.id == id; });
}

OutputResult HeadlessBackend::carryOut(const OutputJob& job) {
    using Status = OutputResult::Status;
    const int pages = job.document != nullptr ? job.document->pageCount() : 0;
    switch (job.kind) {
        case OutputJob::Kind::ChooseFile: {
            if (!nextFile_)
                return {.status = Status::Cancelled};
            OutputResult r{.status = Status::Done, .file = *nextFile_};
            nextFile_.reset();
            return r;
        }
        case OutputJob::Kind::Print:
            // A copy: the report empties its page queue once it has printed.
            printed_.push_back(std::make_shared<const print::Document>(*job.document));
            if (transcript_ != nullptr)
                *transcript_ << "PRINTED " << pages << "\n";
            return {.status = Status::Done};
        case OutputJob::Kind::Pdf: {
            if (!pdfWriter_ || job.document == nullptr)
                return {.status = Status::Failed, .error = "No hay cómo escribir archivos PDF."};
            const std::string error = pdfWriter_(*job.document, job.file);
            if (!error.empty())
                return {.status = Status::Failed, .error = error};
            if (transcript_ != nullptr)
                *transcript_ << "PDF \"" << job.file << "\" " << pages << "\n";
            return {.status = Status::Done, .file = job.file};
        }
    }
    return {};
}

void HeadlessBackend::runOutputs(Runtime& rt) {
    while (!outputs_.empty()) {
        const PendingOutput o = outputs_.front();
        outputs_.erase(outputs_.begin());
        rt.outputDone(o.id, carryOut(o.job));
        rt.runReady();
    }
}

// --- the loop -----------------------------------------------------------------------

void HeadlessBackend::settle(Runtime& rt) {
    rt.runReady();
    runOutputs(rt);
    while (rt.workersRunning() && !rt.haltCode()) {
        rt.waitForWorker();
        rt.runReady();
        runOutputs(rt);
    }
}

void HeadlessBackend::advance(Runtime& rt, int64_t hundredths) {
    const int64_t target = clock_.now() + std::max<int64_t>(0, hundredths);
    for (;;) {
        settle(rt);
        const std::optional<int64_t> due = rt.nextTimerDue();
        if (!due || *due > target)
            break;
        clock_.set(std::max(clock_.now(), *due));
        rt.fireDueTimers();
    }
    clock_.set(target);
    settle(rt);
}

}  // namespace vorda::ui
