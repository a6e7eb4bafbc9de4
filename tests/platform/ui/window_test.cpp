// Windows: events, values, focus, the select-all pass and user input.
//   WindowEvents     - opening, typing and leaving, refusals, buttons
//   WindowFocus      - prompts, tabs, tab order
//   WindowSelectAll  - the pass, its interruptions
//   WindowInput      - alerts, list keys, choices, disabled controls
#include <gtest/gtest.h>

#include "tests/platform/ui/uifixture.h"

namespace vorda::ui::test {
namespace {

class WindowTest : public UiTest {
protected:
    // Opens the test form on a new thread. Every event after OpenWindow and
    // GainFocus is recorded and handed to `react`, until CloseWindow.
    void openForm(const std::function<void(Window&, const Event&)>& react = {}) {
        rt.start([this, react] {
            Window w(formDesc(record));
            form = &w;
            w.open();
            for (;;) {
                const Event e = w.ask();
                events.push_back(e);
                if (react)
                    react(w, e);
                if (e.kind == EventKind::CloseWindow || e.kind == EventKind::CloseDown)
                    break;
            }
            form = nullptr;
        });
        settle();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(events, (std::vector<Event>{windowEvent(EventKind::OpenWindow),
                                              windowEvent(EventKind::GainFocus)}));
        events.clear();
    }

    void typeInto(Ctl c, std::string_view keys) {
        ASSERT_EQ(input().focus(form->id(), c), InputResult::Done);
        settle();
        ASSERT_EQ(input().type(form->id(), c, keys), InputResult::Done);
    }

    TestRecord record;
    Window* form = nullptr;
    std::vector<Event> events;
};

TEST_F(WindowTest, OpeningShowsTheFieldsAndFocusesTheFirstControl) {
    record.name.set("Juan");
    record.amount = Decimal::fromHundredths(123450);
    openForm();
    EXPECT_EQ(form->control(Ctl::NAME).text(), "Juan");
    EXPECT_EQ(form->control(Ctl::AMOUNT).text(), "1,234.50");
    EXPECT_EQ(form->control(Ctl::CUIT).text(), "");
    EXPECT_EQ(form->focus(), Ctl::NAME);
    EXPECT_EQ(form->caption(), "Ficha de prueba");
}

TEST_F(WindowTest, LeavingAnEditedEntryStoresItsFieldBeforeAccepted) {
    std::string nameWhenAccepted;
    openForm([&](Window&, const Event& e) {
        if (e == accepted(Ctl::NAME))
            nameWhenAccepted = record.name.str();
    });
    typeInto(Ctl::NAME, "Pedro");
    input().leave(form->id());
    settle();
    EXPECT_EQ(events, (std::vector<Event>{accepted(Ctl::NAME), selected(Ctl::CUIT)}));
    EXPECT_EQ(nameWhenAccepted, "Pedro");
    EXPECT_EQ(form->focus(), Ctl::CUIT);
}

TEST_F(WindowTest, TabWithoutAnEditOnlyMovesTheFocus) {
    openForm();
    input().key(form->id(), Ctl::NAME, key::Tab);
    settle();
    EXPECT_EQ(events, (std::vector<Event>{selected(Ctl::CUIT)}));
}

TEST_F(WindowTest, TemplateDigitsAreStoredWithTheirSeparatorsAndReformatted) {
    record.amount = Decimal::fromInteger(1);
    openForm();
    typeInto(Ctl::CUIT, "20123456786");
    input().leave(form->id());
    settle();
    EXPECT_EQ(record.cuit.str(), "20-12345678-6");
    form->select(Ctl::AMOUNT);
    settle();
    input().type(form->id(), Ctl::AMOUNT, "1234.5");
    input().leave(form->id());
    settle();
    EXPECT_EQ(record.amount, Decimal::fromHundredths(123450));
    EXPECT_EQ(form->control(Ctl::AMOUNT).text(), "1,234.50");
}

TEST_F(WindowTest, ATextOutOfRangeIsRejectedAndKeepsTheFocusAndTheField) {
    record.month.set("05");
    openForm();
    typeInto(Ctl::MONTH, "13");
    events.clear();
    input().key(form->id(), Ctl::MONTH, key::Tab);
    settle();
    EXPECT_EQ(events, (std::vector<Event>{rejected(Ctl::MONTH)}));
    EXPECT_EQ(form->focus(), Ctl::MONTH);
    EXPECT_EQ(record.month.str(), "05");
}

TEST_F(WindowTest, AHandlerThatSelectsTheControlAgainKeepsTheFocusAndCancelsThePress) {
    openForm([](Window& w, const Event& e) {
        if (e == accepted(Ctl::CUIT))
            w.select(Ctl::CUIT);
    });
    typeInto(Ctl::CUIT, "1");
    events.clear();
    input().press(form->id(), Ctl::OK);
    settle();
    EXPECT_EQ(events, (std::vector<Event>{accepted(Ctl::CUIT), selected(Ctl::CUIT)}));
    EXPECT_EQ(form->focus(), Ctl::CUIT);
}

TEST_F(WindowTest, PressingAButtonAcceptsTheEditedEntryFirstAndEnterPressesTheDefault) {
    openForm();
    typeInto(Ctl::NAME, "Ana");
    input().press(form->id(), Ctl::CANCEL);
    settle();
    EXPECT_EQ(events, (std::vector<Event>{accepted(Ctl::NAME), selected(Ctl::CANCEL),
                                          accepted(Ctl::CANCEL)}));
    events.clear();
    input().key(form->id(), Ctl::CANCEL, key::Tab);
    settle();
    input().key(form->id(), 0, key::Enter);
    settle();
    EXPECT_EQ(events.back(), accepted(Ctl::OK));
}

TEST_F(WindowTest, EscClosesAndAKeyRefusedByThePictureBeeps) {
    openForm();
    typeInto(Ctl::CUIT, "");
    EXPECT_EQ(input().key(form->id(), Ctl::CUIT, 'a'), InputResult::KeyRefused);
    EXPECT_EQ(backend.beeps(), 1);
    EXPECT_EQ(form->control(Ctl::CUIT).text(), "");
    input().key(form->id(), Ctl::CUIT, key::Esc);
    settle();
    EXPECT_EQ(events.back(), windowEvent(EventKind::CloseWindow));
    EXPECT_EQ(form, nullptr);
}

TEST_F(WindowTest, DisplayAndUpdateCopyBetweenFieldsAndControls) {
    openForm();
    record.name.set("Otro");
    form->display();
    EXPECT_EQ(form->control(Ctl::NAME).text(), "Otro");
    form->control(Ctl::NAME).setText("Nuevo");
    form->control(Ctl::MONTH).setText("7");
    EXPECT_TRUE(form->update());
    EXPECT_EQ(record.name.str(), "Nuevo");
    EXPECT_EQ(record.month.str(), "7");
    form->control(Ctl::AMOUNT).setText("x1");
    EXPECT_FALSE(form->update(Ctl::AMOUNT));
    EXPECT_EQ(record.amount, Decimal());
}

TEST_F(WindowTest, SelectingAPromptFocusesTheControlAfterIt) {
    openForm();
    form->select(Ctl::CUIT);
    form->select(Ctl::PROMPT_NAME);
    settle();
    EXPECT_EQ(events, (std::vector<Event>{selected(Ctl::CUIT), selected(Ctl::NAME)}));
}

TEST_F(WindowTest, FocusOnAnotherTabBringsItForward) {
    openForm();
    form->select(Ctl::AMOUNT);
    EXPECT_EQ(form->control(Ctl::SHEET).choice(), 2);
    form->select(Ctl::MONTH);
    EXPECT_EQ(form->control(Ctl::SHEET).choice(), 1);
    settle();
    events.clear();
    form->disable(Ctl::CUIT);
    form->select(Ctl::NAME);
    settle();
    events.clear();
    input().key(form->id(), Ctl::NAME, key::Tab);  // the disabled CUIT is passed
    settle();
    EXPECT_EQ(events, (std::vector<Event>{selected(Ctl::MONTH)}));
    input().key(form->id(), Ctl::MONTH, key::ShiftTab);
    settle();
    EXPECT_EQ(form->focus(), Ctl::NAME);
}

// A form whose fields go on over the next tab is filled in with the Tab key
// alone: the last control of a page leads to the first of the next page and
// brings it forward; Shift+Tab goes back; the last page leads out.
TEST_F(WindowTest, TheTabKeyGoesOnToTheNextPageAndBackAndLeavesTheSheetAfterTheLast) {
    openForm();
    form->select(Ctl::MONTH);
    settle();
    events.clear();
    input().key(form->id(), Ctl::MONTH, key::Tab);
    settle();
    EXPECT_EQ(events, (std::vector<Event>{selected(Ctl::AMOUNT)}));
    EXPECT_EQ(form->control(Ctl::SHEET).choice(), 2);
    input().key(form->id(), Ctl::AMOUNT, key::ShiftTab);
    settle();
    EXPECT_EQ(form->focus(), Ctl::MONTH);
    EXPECT_EQ(form->control(Ctl::SHEET).choice(), 1);
    form->select(Ctl::OPTION);
    settle();
    events.clear();
    input().key(form->id(), Ctl::OPTION, key::Tab);
    settle();
    EXPECT_EQ(events, (std::vector<Event>{selected(Ctl::LIST)}));
    EXPECT_EQ(form->control(Ctl::SHEET).choice(), 2);
}

TEST_F(WindowTest, TheTabKeyDoesNotTurnToADisabledPage) {
    openForm();
    form->disable(Ctl::TAB_MORE);
    form->select(Ctl::MONTH);
    settle();
    events.clear();
    input().key(form->id(), Ctl::MONTH, key::Tab);
    settle();
    EXPECT_EQ(events, (std::vector<Event>{selected(Ctl::LIST)}));
    EXPECT_EQ(form->control(Ctl::SHEET).choice(), 1);
    input().key(form->id(), Ctl::LIST, key::ShiftTab);  // from outside: the page in front
    settle();
    EXPECT_EQ(form->focus(), Ctl::MONTH);
}

// --- the select-all pass -------------------------------------------------------------

class WindowSelectAll : public WindowTest {
protected:
    void SetUp() override {
        record.name.set("Ana");
        record.cuit.set("20-12345678-6");
        record.month.set("05");
        record.inciso.set("b");
    }
};

TEST_F(WindowSelectAll, AcceptsEveryEditableControlInTabOrderThenCompletes) {
    openForm();
    form->disable(Ctl::CUIT);
    form->selectAll();
    EXPECT_TRUE(form->inSelectAll());
    settle();
    EXPECT_EQ(events,
              (std::vector<Event>{accepted(Ctl::NAME), accepted(Ctl::MONTH), accepted(Ctl::AMOUNT),
                                  accepted(Ctl::OPTION), windowEvent(EventKind::Completed)}));
    EXPECT_FALSE(form->inSelectAll());
}

TEST_F(WindowSelectAll, AControlRefusedByItsHandlerInterruptsThePass) {
    openForm([](Window& w, const Event& e) {
        if (e == accepted(Ctl::CUIT))
            w.select(Ctl::CUIT);
    });
    form->selectAll();
    settle();
    EXPECT_EQ(events,
              (std::vector<Event>{accepted(Ctl::NAME), accepted(Ctl::CUIT), selected(Ctl::CUIT)}));
    EXPECT_FALSE(form->inSelectAll());
    EXPECT_EQ(form->focus(), Ctl::CUIT);
}

TEST_F(WindowSelectAll, AValueOutOfRangeStopsWithRejectedAndTheFocusThere) {
    record.month.set("13");
    openForm();
    form->selectAll();
    settle();
    EXPECT_EQ(events,
              (std::vector<Event>{accepted(Ctl::NAME), accepted(Ctl::CUIT), rejected(Ctl::MONTH)}));
    EXPECT_EQ(form->focus(), Ctl::MONTH);
}

TEST_F(WindowSelectAll, StoresWhatTheControlsShow) {
    openForm();
    form->control(Ctl::NAME).setText("Beto");
    form->stopSelectAll();
    form->selectAll();
    settle();
    EXPECT_EQ(record.name.str(), "Beto");
    EXPECT_EQ(events.back(), windowEvent(EventKind::Completed));
}

// --- input --------------------------------------------------------------------------

TEST_F(WindowTest, AlertedKeysArriveAsAlertKey) {
    openForm();
    form->alert(Ctl::NAME, key::CtrlQuote);
    form->alert(key::MouseRight);
    input().key(form->id(), Ctl::NAME, key::CtrlQuote);
    input().key(form->id(), 0, key::CtrlQuote);  // the focused control
    input().key(form->id(), Ctl::OK, key::MouseRight);
    input().key(form->id(), Ctl::CUIT, key::CtrlQuote);  // not alerted there: ignored
    settle();
    const Event quote{.kind = EventKind::AlertKey, .control = Ctl::NAME, .key = key::CtrlQuote};
    const Event right{.kind = EventKind::AlertKey, .control = Ctl::OK, .key = key::MouseRight};
    EXPECT_EQ(events, (std::vector<Event>{quote, quote, right}));
}

TEST_F(WindowTest, ListKeysBecomeScrollEventsAndRowsAreChosenByNumber) {
    openForm();
    Control& list = form->control(Ctl::LIST);
    list.setRowValues({{FieldValue(std::string("Ana")), FieldValue(Decimal::fromInteger(1500))},
                       {FieldValue(std::string("Beto")), FieldValue(Decimal())}});
    EXPECT_EQ(list.rows()[0], (Row{"Ana", "1,500.00"}));
    for (KeyCode k : {key::Up, key::Down, key::PgUp, key::PgDn, key::CtrlHome, key::End}) {
        input().key(form->id(), Ctl::LIST, k);
    }
    input().scroll(form->id(), Ctl::LIST, EventKind::ScrollDrag, 40);
    settle();
    std::vector<EventKind> kinds;
    for (const Event& e : events)
        kinds.push_back(e.kind);
    EXPECT_EQ(kinds,
              (std::vector<EventKind>{EventKind::ScrollUp, EventKind::ScrollDown, EventKind::PageUp,
                                      EventKind::PageDown, EventKind::ScrollTop,
                                      EventKind::ScrollBottom, EventKind::ScrollDrag}));
    EXPECT_EQ(events.back().thumb, 40);
    events.clear();
    EXPECT_EQ(input().choose(form->id(), Ctl::LIST, "3"), InputResult::NoSuchValue);
    EXPECT_EQ(input().choose(form->id(), Ctl::LIST, "2"), InputResult::Done);
    settle();
    EXPECT_EQ(list.selection(), 2);
    EXPECT_EQ(events,
              (std::vector<Event>{selected(Ctl::LIST),
                                  {.kind = EventKind::NewSelection, .control = Ctl::LIST}}));
}

TEST_F(WindowTest, TabsAndRadiosAreChosenByTheirTexts) {
    openForm();
    EXPECT_EQ(input().choose(form->id(), Ctl::SHEET, "Más"), InputResult::Done);
    EXPECT_EQ(form->control(Ctl::SHEET).choice(), 2);
    EXPECT_EQ(input().choose(form->id(), Ctl::OPTION, "c"), InputResult::Done);
    settle();
    EXPECT_EQ(record.inciso.str(), "c");
    // The focus, left on the tab that went to the back, moved to the first
    // control of the tab in front.
    EXPECT_EQ(events, (std::vector<Event>{{.kind = EventKind::NewSelection, .control = Ctl::SHEET},
                                          selected(Ctl::AMOUNT),
                                          selected(Ctl::OPTION),
                                          accepted(Ctl::OPTION)}));
    form->disable(Ctl::TAB_MAIN);
    EXPECT_EQ(input().choose(form->id(), Ctl::SHEET, "General"), InputResult::Disabled);
    EXPECT_EQ(input().choose(form->id(), Ctl::OPTION, "z"), InputResult::NoSuchValue);
}

TEST_F(WindowTest, AFocusLeftOnATabSentBackMovesToTheTabInFrontAndAcceptsWhatWasTyped) {
    openForm();
    ASSERT_EQ(form->focus(), ControlId(Ctl::NAME));
    input().type(form->id(), Ctl::NAME, "Ana");
    EXPECT_EQ(input().choose(form->id(), Ctl::SHEET, "Más"), InputResult::Done);
    settle();
    EXPECT_EQ(form->focus(), ControlId(Ctl::AMOUNT));
    EXPECT_EQ(record.name.str(), "Ana") << "leaving the entry stored it";
    // A focus that stays in sight (the OK button, below the sheet) stays.
    input().focus(form->id(), Ctl::OK);
    settle();
    EXPECT_EQ(input().choose(form->id(), Ctl::SHEET, "General"), InputResult::Done);
    settle();
    EXPECT_EQ(form->focus(), ControlId(Ctl::OK));
}

TEST_F(WindowTest, DisabledHiddenOrParentDisabledControlsRefuseInput) {
    openForm();
    form->disable(Ctl::OK);
    form->hide(Ctl::CANCEL);
    form->disable(Ctl::TAB_MORE);
    EXPECT_EQ(input().press(form->id(), Ctl::OK), InputResult::Disabled);
    EXPECT_EQ(input().press(form->id(), Ctl::CANCEL), InputResult::Disabled);
    EXPECT_EQ(input().focus(form->id(), Ctl::AMOUNT), InputResult::Disabled);
    EXPECT_FALSE(form->usable(Ctl::AMOUNT));
    EXPECT_EQ(input().press(form->id(), Ctl::NAME), InputResult::NoControl);
    EXPECT_EQ(input().focus(form->id(), 999), InputResult::NoControl);
    form->enable(Ctl::OK);
    EXPECT_EQ(input().press(form->id(), Ctl::OK), InputResult::Done);
}

TEST_F(WindowTest, TheDefaultButtonCanMoveAndEnterPressesTheOneThatIsDefaultNow) {
    openForm();
    form->control(Ctl::OK).setDefault(false);
    form->control(Ctl::CANCEL).setDefault(true);
    input().key(form->id(), Ctl::LIST, key::Enter);
    settle();
    EXPECT_EQ(events.back(), accepted(Ctl::CANCEL));
    form->control(Ctl::CANCEL).setDefault(false);
    events.clear();
    input().key(form->id(), Ctl::LIST, key::Enter);  // no default: the list is accepted
    settle();
    EXPECT_EQ(events, (std::vector<Event>{accepted(Ctl::LIST)}));
}

TEST_F(WindowTest, AControlIsShownOnlyWithItsParentsAndOnTheTabInFront) {
    openForm();
    EXPECT_TRUE(form->shown(Ctl::NAME));
    EXPECT_FALSE(form->shown(Ctl::AMOUNT));
    EXPECT_FALSE(form->shown(Ctl::RADIO_B));  // in an option group on the other tab
    form->select(Ctl::AMOUNT);
    EXPECT_TRUE(form->shown(Ctl::RADIO_B));
    EXPECT_FALSE(form->shown(Ctl::NAME));
    form->hide(Ctl::OPTION);
    EXPECT_FALSE(form->shown(Ctl::RADIO_B));
    form->disable(Ctl::AMOUNT);
    EXPECT_TRUE(form->shown(Ctl::AMOUNT)) << "disabled is still seen";
    EXPECT_FALSE(form->shown(999));
}

}  // namespace
}  // namespace vorda::ui::test
