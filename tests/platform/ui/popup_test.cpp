// Popup menus: a procedure waits for the entry chosen; the headless backend
// chooses by text and refuses separators and disabled entries.
#include <gtest/gtest.h>

#include <optional>

#include "tests/platform/ui/uifixture.h"

namespace vorda::ui::test {
namespace {

const PopupMenu menu{.title = "Acciones",
                     .entries = {{.text = "&Agregar"},
                                 {.text = "&Cambiar", .enabled = false},
                                 {.separator = true},
                                 {.text = "Im&primir"}}};

class PopupTest : public UiTest {
protected:
    // A procedure thread that shows `menu` once and keeps the answer.
    void showOnAThread() {
        thread = rt.start([this] {
            Window w(WindowDesc{.caption = "Lista"});
            w.open();
            chosen = rt.popup(menu);
        });
        settle();
        ASSERT_TRUE(backend.popupPending());
    }
    std::optional<unsigned> chosen;
    int thread = 0;
};

TEST_F(PopupTest, TheThreadWaitsForTheEntryChosenByItsText) {
    showOnAThread();
    EXPECT_FALSE(chosen.has_value());
    EXPECT_TRUE(rt.popupPending(thread));
    EXPECT_EQ(backend.pendingPopup()->title, "Acciones");
    EXPECT_EQ(backend.choose(rt, "Imprimir"), HeadlessBackend::Choice::Done);
    settle();
    EXPECT_EQ(chosen, 4u);
    EXPECT_FALSE(backend.popupPending());
    EXPECT_FALSE(rt.popupPending(thread));
}

TEST_F(PopupTest, DisabledEntriesSeparatorsAndUnknownTextsAreNotChosen) {
    showOnAThread();
    EXPECT_EQ(backend.choose(rt, "&Cambiar"), HeadlessBackend::Choice::Disabled);
    EXPECT_EQ(backend.choose(rt, ""), HeadlessBackend::Choice::NoSuchEntry);
    EXPECT_EQ(backend.choose(rt, "Borrar"), HeadlessBackend::Choice::NoSuchEntry);
    settle();
    EXPECT_FALSE(chosen.has_value());
    rt.popupChosen(1, 3);  // a display reporting the separator counts as a dismissal
    settle();
    EXPECT_EQ(chosen, 0u);
}

TEST_F(PopupTest, APopupStillUpAtShutdownIsWithdrawnAndNoneOutsideAThread) {
    EXPECT_EQ(rt.popup(menu), 0u);
    EXPECT_FALSE(backend.popupPending());
    showOnAThread();
    rt.shutdown();
    EXPECT_FALSE(backend.popupPending());
    EXPECT_FALSE(chosen.has_value());
    EXPECT_EQ(backend.choose(rt, "Agregar"), HeadlessBackend::Choice::NoPopup);
}

}  // namespace
}  // namespace vorda::ui::test
