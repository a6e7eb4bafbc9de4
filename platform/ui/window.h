// Window: an open window of a procedure thread, and the calls a window
// procedure makes on it.
//
// A procedure builds a Window from its description, opens it, and takes its
// events with ask() until it decides to close:
//
//   Window w(describeWindow());          // controls as data (windowdesc.h)
//   w.bind(Ctl::AGE_NRO_CUIT, bindField(AGE.NRO_CUIT));
//   w.open();                            // queues OpenWindow, then GainFocus
//   for (;;) {
//       const Event e = w.ask();         // yields the thread while none is queued
//       if (e.kind == EventKind::CloseWindow) break;
//       ...
//   }                                    // the destructor closes the window
//
// Values. A bound control shows its field through its picture: display()
// copies fields into controls, update() copies controls into fields. When
// the user leaves a control he edited, the runtime stores its text into the
// field before the Accepted event is delivered; a text the picture, the
// spin range or the field refuses gives Rejected instead and the focus stays.
//
// Focus. The user moving from control A to B delivers Accepted(A) (when A was
// edited), then Selected(B). The move to B happens only when the procedure
// asks for the next event without having selected a control meanwhile: a
// handler that refuses A selects A again and the focus stays there (and a
// button pressed by that move is not pressed).
//
// Select-all pass (selectAll()): every enabled, visible, editable control is
// stored and accepted in tab order, one Accepted event per ask(); then a
// Completed event ends the pass. select() or stopSelectAll() during the pass
// interrupts it; a text its picture refuses interrupts it with Rejected and
// leaves the focus on that control.
//
// Threads. A window belongs to the thread that opened it. A second window
// opened on the same thread is modal to it: the lower one is blocked until
// the upper one closes. A message box blocks every window of its thread and
// no other. ask() is only called on the window's own thread; post() may be
// called from any thread.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/process/threaddata.h"
#include "platform/ui/backend.h"
#include "platform/ui/control.h"
#include "platform/ui/event.h"
#include "platform/ui/windowdesc.h"

namespace vorda::ui {

class Runtime;

class Window {
public:
    explicit Window(WindowDesc desc);
    ~Window();  // closes the window when still open
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // --- lifetime -----------------------------------------------------------
    // Opens on the calling thread (Runtime::current() must exist).
    void open();
    void close();
    bool isOpen() const { return id_ != 0; }
    WindowId id() const { return id_; }  // 0 while closed; never reused in a run
    int thread() const { return thread_; }
    const WindowDesc& desc() const { return desc_; }

    // --- events -------------------------------------------------------------
    // The next event; yields the thread while there is none. While the
    // runtime tears down it returns CloseDown at once.
    Event ask();
    void post(Event event);
    void post(EventKind kind, ControlId control = {}) {
        post(Event{.kind = kind, .control = control});
    }
    bool hasEvent() const;

    // --- controls -----------------------------------------------------------
    Control& control(ControlId number);  // asserts that it exists
    const Control& control(ControlId number) const;
    Control* find(ControlId number);
    const Control* find(ControlId number) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    void bind(ControlId number, Binding binding);
    void display();
    void display(ControlId number);
    // False when a control's text is refused (its field keeps its value).
    bool update();
    bool update(ControlId number);

    void enable(ControlId number) { control(number).setEnabled(true); }
    void disable(ControlId number) { control(number).setEnabled(false); }
    void hide(ControlId number) { control(number).setVisible(false); }
    void unhide(ControlId number) { control(number).setVisible(true); }
    // The control and every parent (tab, sheet, group, option) are enabled
    // and visible.
    bool usable(ControlId number) const;
    // The control and every parent are visible, and every tab it lies on is
    // its sheet's current tab: the user can see it.
    bool shown(ControlId number) const;
    // The tabs of a sheet in their order.
    std::vector<const Control*> tabs(ControlId sheet) const;

    // --- focus and the select-all pass ---------------------------------------
    void select(ControlId number);
    ControlId focus() const { return focus_; }
    void selectAll();
    // The user turned to another window while editing the focused control:
    // its text is stored and Accepted queued (Rejected when refused), as if
    // he had left the control, so that a later redisplay of the window does
    // not throw away what he typed. The focus stays where it is.
    void acceptPendingEdit();
    void stopSelectAll() { selectAll_.active = false; }
    bool inSelectAll() const { return selectAll_.active; }

    // --- alerts: keys delivered as AlertKey ----------------------------------
    void alert(KeyCode key);  // on the whole window
    void unalert(KeyCode key);
    void alert(ControlId number, KeyCode key) { control(number).alert(key); }
    void unalert(ControlId number, KeyCode key) { control(number).unalert(key); }
    bool alerted(ControlId number, KeyCode key) const;

    // --- window state -------------------------------------------------------
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    int timer() const { return timer_; }
    void setTimer(int hundredths);
    const Rect& size() const { return size_; }
    // The program resizes the window (a resize by the user arrives as Sized).
    void setSize(Rect size);
    // Size limits the user cannot resize past; width/height 0 = no limit.
    const Rect& minSize() const { return minSize_; }
    const Rect& maxSize() const { return maxSize_; }
    void setSizeLimits(Rect minSize, Rect maxSize);
    bool blocked() const { return blocked_; }
    // A hidden window stays open (its procedure goes on and gets its
    // events) but the user does not see it.
    bool visible() const { return visible_; }
    void setVisible(bool on);
    // Status bar zones (WindowDesc::statusZones), numbered from 1.
    const std::string& status(int zone) const;
    void setStatus(int zone, std::string text);
    // The runtime's own action of a menu item (None for a program's item).
    StandardAction standardAction(ControlId item) const;

private:
    friend class Control;
    friend class Runtime;
    friend class UserInput;

    // A focus move that waits for the Accepted event before it.
    struct Move {
        ControlId target{};
        std::function<void()> after{};  // runs once the focus is on target
    };
    struct Queued {
        Event event{};
        std::optional<Move> then{};
    };
    struct SelectAllPass {
        bool active = false;
        size_t next = 0;
        std::vector<ControlId> order{};
    };

    void addControls();
    void notify(ControlId number, Change what);
    void queue(Event event, std::optional<Move> then = std::nullopt);
    std::optional<Event> nextEvent();
    Event selectAllStep();
    bool store(Control& c);
    bool inRange(const Control& c, const FieldValue& value) const;
    std::string shownText(const Control& c) const;
    void showCurrentTab(const Control& c);
    void setFocus(ControlId number);
    void moveFocus(const Move& move);
    bool leave(Move move);
    ControlId nextInTabOrder(ControlId from, int step) const;
    ControlId nextOnShownPages(ControlId from, int step) const;
    ControlId turnPage(ControlId from, ControlId next, int step) const;
    const Control* pageOf(const Control& c) const;
    ControlId selectable(ControlId number) const;
    bool inTabOrder(const Control& c) const;
    const Control* defaultButton() const;
    bool onCurrentTab(const Control& tab) const;
    // Runs `f` with this window's thread holding the record buffers: the
    // fields a control is bound to are that thread's copies, also when the
    // user's input is stored from outside every procedure thread.
    template <class F>
    auto withOwnData(F f) const {
        platform::ThreadDataScope scope(thread_ != 0 ? thread_ : platform::ThreadData::holder());
        return f();
    }

    WindowDesc desc_;
    std::vector<std::unique_ptr<Control>> controls_;
    Runtime* runtime_ = nullptr;
    WindowId id_ = 0;
    int thread_ = 0;
    std::string caption_;
    int timer_ = 0;
    int64_t due_ = 0;
    Rect size_;
    Rect minSize_;
    Rect maxSize_;
    bool blocked_ = false;
    bool visible_ = true;
    std::vector<std::string> status_;
    std::deque<Queued> queue_;
    std::optional<Move> pendingMove_;
    ControlId focus_;
    SelectAllPass selectAll_;
    std::vector<KeyCode> alerts_;
};

}  // namespace vorda::ui
