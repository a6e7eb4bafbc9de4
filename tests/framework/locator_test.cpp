// Locators: step, incremental and entry locators on a list of names.
#include <gtest/gtest.h>

#include "tests/framework/listfixture.h"

namespace vorda::test {
namespace {

class LocatorTest : public ListTest {
protected:
    void addNames() {
        const char* names[] = {"Alvarez", "Benitez", "Castro", "Diaz",   "Perez",
                               "Sanchez", "Silva",   "Sosa",   "Torres", "Vega"};
        int n = 0;
        for (const char* name : names)
            addAgent(std::to_string(++n), name);
    }
    std::string entryText() const { return listWindow()->control(ListCtl::LOCATOR).text(); }
};

TEST_F(LocatorTest, step_locator_typed_twice_goes_to_the_first_match_then_one_row_further) {
    addNames();
    StepLocatorClass locator;
    locator.Init({}, AGT_F::NOMBRE, LetterCase::Ignored);
    options.locator = &locator;
    options.lastItems = 4;
    open();
    key('s');
    EXPECT_EQ(selectedName(), "Sanchez");
    EXPECT_EQ(bufferName(), "Sanchez");
    key('S');
    EXPECT_EQ(selectedName(), "Silva");
}

TEST_F(LocatorTest, step_locator_without_a_match_goes_to_the_first_record_not_below) {
    addNames();
    StepLocatorClass locator;
    locator.Init({}, AGT_F::NOMBRE, LetterCase::Ignored);
    options.locator = &locator;
    open();
    key('R');
    EXPECT_EQ(selectedName(), "Sanchez");
    key('Z');  // beyond every record: the last one stays selected
    EXPECT_EQ(selectedName(), "Vega");
}

TEST_F(LocatorTest, incremental_locator_appends_upper_cased_keys_and_backspace_removes) {
    addNames();
    IncrementalLocatorClass locator;
    locator.Init(ListCtl::LOCATOR, AGT_F::NOMBRE, LetterCase::Ignored);
    options.locator = &locator;
    options.lastItems = 4;
    open();
    key('s');
    EXPECT_EQ(entryText(), "S");
    EXPECT_EQ(selectedName(), "Sanchez");
    key('o');
    EXPECT_EQ(entryText(), "SO");
    EXPECT_EQ(selectedName(), "Sosa");
    key('z');
    EXPECT_EQ(entryText(), "SOZ");
    EXPECT_EQ(selectedName(), "Torres");
    key(ui::key::Backspace);
    key(ui::key::Backspace);
    EXPECT_EQ(entryText(), "S");
    EXPECT_EQ(selectedName(), "Sanchez");
    key(' ');
    EXPECT_EQ(entryText(), "S ");
    EXPECT_EQ(selectedName(), "Sanchez");
}

// Text accepted in the entry is the display's; the search is in the code
// page of the stored keys.
TEST_F(LocatorTest, entry_locator_takes_accented_text) {
    for (const char* name : {"Perez", "Pérez", "Pinto"})
        addAgent(name, name);
    EntryLocatorClass locator;
    locator.Init(ListCtl::LOCATOR, AGT_F::NOMBRE, LetterCase::Ignored);
    options.locator = &locator;
    open();
    const ui::WindowId id = listWindow()->id();
    ASSERT_EQ(rt->input().focus(id, ListCtl::LOCATOR), ui::InputResult::Done);
    settle();
    ASSERT_EQ(rt->input().type(id, ListCtl::LOCATOR, "pé"), ui::InputResult::Done);
    ASSERT_EQ(rt->input().focus(id, ListCtl::LIST), ui::InputResult::Done);
    settle();
    EXPECT_EQ(entryText(), "PÉ");
    EXPECT_EQ(selectedName(), "Pérez");
}

TEST_F(LocatorTest, incremental_locator_on_a_case_sensitive_key_keeps_the_case) {
    addAgent("1/00.00.001", "a");
    addAgent("1/00.00.002", "b");
    IncrementalLocatorClass locator;
    locator.Init(ListCtl::LOCATOR, AGT_F::NRO, LetterCase::Exact);
    options.key = AGT_BYNRO;
    options.locator = &locator;
    open();
    for (char c : std::string("1/00.00.002"))
        key(static_cast<ui::KeyCode>(c));
    EXPECT_EQ(entryText(), "1/00.00.002");
    EXPECT_EQ(selectedName(), "b");
}

TEST_F(LocatorTest, entry_locator_locates_when_its_entry_is_accepted) {
    addNames();
    EntryLocatorClass locator;
    locator.Init(ListCtl::LOCATOR, AGT_F::NOMBRE, LetterCase::Ignored);
    options.locator = &locator;
    open();
    key('d');  // keys on the list are not the entry locator's
    EXPECT_EQ(selectedName(), "Alvarez");
    const ui::WindowId id = listWindow()->id();
    ASSERT_EQ(rt->input().focus(id, ListCtl::LOCATOR), ui::InputResult::Done);
    settle();
    ASSERT_EQ(rt->input().type(id, ListCtl::LOCATOR, "per"), ui::InputResult::Done);
    ASSERT_EQ(rt->input().focus(id, ListCtl::LIST), ui::InputResult::Done);
    settle();
    EXPECT_EQ(selectedName(), "Perez");
    EXPECT_EQ(entryText(), "PER");
}

TEST_F(LocatorTest, incremental_locator_lays_typed_digits_into_its_entrys_template) {
    addAgent("1/11.11.111", "Uno");
    addAgent("2/22.22.222", "Dos");
    addAgent("2/35.00.000", "Tres");
    addAgent("4/00.00.000", "Cuatro");
    IncrementalLocatorClass locator;
    locator.Init(ListCtl::LOCATOR, AGT_F::NRO, LetterCase::Ignored);
    options.key = AGT_BYNRO;
    options.locator = &locator;
    options.locatorPicture = "P#/##.##.###PB";
    open();
    key('2');
    EXPECT_EQ(entryText(), "2");
    EXPECT_EQ(selectedName(), "Dos");
    key('3');
    EXPECT_EQ(entryText(), "2/3");
    EXPECT_EQ(selectedName(), "Tres");
    key('x');  // refused by the template: nothing changes
    EXPECT_EQ(entryText(), "2/3");
    EXPECT_EQ(selectedName(), "Tres");
    key(ui::key::Backspace);
    EXPECT_EQ(entryText(), "2");
    EXPECT_EQ(selectedName(), "Dos");
    for (char c : std::string("2222222"))
        key(static_cast<ui::KeyCode>(c));
    EXPECT_EQ(entryText(), "2/22.22.222");
    key('9');  // the template is full
    EXPECT_EQ(entryText(), "2/22.22.222");
    EXPECT_EQ(selectedName(), "Dos");
}

}  // namespace
}  // namespace vorda::test
