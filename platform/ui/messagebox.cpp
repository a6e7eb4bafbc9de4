// Message boxes and halting through the installed presenter.
//
// Without a presenter a box answers its default button at once and a halt
// ends the process with its exit code; that is what a run without a window
// system (tools, tests that install nothing) needs.
#include "platform/ui/messagebox.h"

#include <atomic>
#include <cstdlib>

namespace vorda::ui {

namespace {

std::atomic<MessagePresenter*> installed{nullptr};

}  // namespace

unsigned message(const MessageBox& box) {
    MessagePresenter* p = installed.load();
    return p ? p->show(box) : box.defaultButton;
}

void halt(int exitCode, const std::string& text) {
    MessagePresenter* p = installed.load();
    if (p) {
        p->halt(exitCode, text);
        return;
    }
    std::exit(exitCode);
}

MessagePresenter* setPresenter(MessagePresenter* presenter) {
    return installed.exchange(presenter);
}

}  // namespace vorda::ui
