#include "tests/support/recordingpresenter.h"

#include <gtest/gtest.h>

namespace vorda::test {

RecordingPresenter::RecordingPresenter() : previous_(ui::setPresenter(this)) {}

RecordingPresenter::~RecordingPresenter() {
    ui::setPresenter(previous_);
}

void RecordingPresenter::answer(unsigned button) {
    script_.push_back(button);
}

void RecordingPresenter::answer(std::initializer_list<unsigned> buttons) {
    script_.insert(script_.end(), buttons.begin(), buttons.end());
}

const RecordedBox& RecordingPresenter::last() const {
    static const RecordedBox none;
    if (boxes_.empty()) {
        ADD_FAILURE() << "no message box was shown";
        return none;
    }
    return boxes_.back();
}

void RecordingPresenter::clear() {
    boxes_.clear();
    halts_.clear();
}

unsigned RecordingPresenter::show(const ui::MessageBox& box) {
    RecordedBox r{.caption = box.caption,
                  .text = box.text,
                  .icon = box.icon,
                  .buttons = box.buttons,
                  .defaultButton = box.defaultButton,
                  .okLabel = box.okLabel};
    r.answeredByDefault = script_.empty();
    r.answer = r.answeredByDefault ? box.defaultButton : script_.front();
    if (!script_.empty())
        script_.pop_front();
    boxes_.push_back(r);
    return r.answer;
}

void RecordingPresenter::halt(int exitCode, const std::string& text) {
    halts_.push_back({.exitCode = exitCode, .text = text});
}

}  // namespace vorda::test
