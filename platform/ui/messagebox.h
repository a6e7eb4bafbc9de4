// Message boxes and halting, as the windowing runtime provides them.
//
// Framework code (the error reporter, the form manager) asks for a box with
// `message()` and gets back the button pressed. The runtime installs a
// presenter: the Qt backend shows a real box, the headless backend answers
// from a script; tests install a RecordingPresenter. Without a presenter a
// box answers its default button.
#pragma once

#include <memory>
#include <string>

namespace vorda::ui {

enum class Icon { None, Information, Exclamation, Question, Hand };

// Button values; a set is their sum (Yes + No + Cancel = 70).
enum Button : unsigned {
    ButtonOk = 1,
    ButtonYes = 2,
    ButtonNo = 4,
    ButtonAbort = 8,
    ButtonRetry = 16,
    ButtonIgnore = 32,
    ButtonCancel = 64,
    ButtonHelp = 128,
};

struct MessageBox {
    std::string text{};     // UTF-8
    std::string caption{};  // UTF-8; empty = no caption of its own
    Icon icon = Icon::None;
    unsigned buttons = ButtonOk;
    unsigned defaultButton = ButtonOk;
    // Labels shown instead of the standard ones ("Cerrar", "Aceptar"), if any.
    std::string okLabel{};
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual unsigned show(const MessageBox& box) = 0;
    // Ends the program with `exitCode`; `text` is the halt text. A test
    // presenter may record it and return instead.
    virtual void halt(int exitCode, const std::string& text) = 0;
};

unsigned message(const MessageBox& box);
void halt(int exitCode, const std::string& text);

// Installs a presenter (not owned; nullptr restores the default) and returns
// the previous one.
MessagePresenter* setPresenter(MessagePresenter* presenter);

}  // namespace vorda::ui
