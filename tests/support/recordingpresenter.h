// RecordingPresenter: the message presenter of tests.
//
// While it lives it is the installed ui::MessagePresenter (the previous one is
// put back by the destructor). Every box shown is recorded with the answer it
// got; answers come from a scripted queue, and when the queue is empty the box
// answers its default button and the record says so. Halts are recorded and
// return instead of ending the process.
//
//   RecordingPresenter boxes;
//   boxes.answer(ui::ButtonNo);
//   ... code under test ...
//   ASSERT_EQ(boxes.shown().size(), 1u);
//   EXPECT_EQ(boxes.shown()[0].caption, "Confirmar Borrado");
#pragma once

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/ui/messagebox.h"

namespace vorda::test {

struct RecordedBox {
    std::string caption;
    std::string text;
    ui::Icon icon = ui::Icon::None;
    unsigned buttons = 0;
    unsigned defaultButton = 0;
    std::string okLabel;
    unsigned answer = 0;             // the button returned
    bool answeredByDefault = false;  // true when the script was empty
};

struct RecordedHalt {
    int exitCode = 0;
    std::string text;
};

class RecordingPresenter : public ui::MessagePresenter {
public:
    RecordingPresenter();
    ~RecordingPresenter() override;
    RecordingPresenter(const RecordingPresenter&) = delete;
    RecordingPresenter& operator=(const RecordingPresenter&) = delete;

    // Queues the answers of the next boxes, in order.
    void answer(unsigned button);
    void answer(std::initializer_list<unsigned> buttons);
    size_t pendingAnswers() const { return script_.size(); }

    const std::vector<RecordedBox>& shown() const { return boxes_; }
    const std::vector<RecordedHalt>& halts() const { return halts_; }
    // The last box shown; fails the test (and returns an empty record) when none was.
    const RecordedBox& last() const;
    // Forgets the recorded boxes and halts (the script is kept).
    void clear();

    unsigned show(const ui::MessageBox& box) override;
    void halt(int exitCode, const std::string& text) override;

private:
    ui::MessagePresenter* previous_;
    std::deque<unsigned> script_;
    std::vector<RecordedBox> boxes_;
    std::vector<RecordedHalt> halts_;
};

}  // namespace vorda::test
