// The one-page list: never more rows than visible, keys, wheel and its own
// scroll bar become the list's scroll events, clicks choose rows, a height
// change is reported, the program's geometry is applied, a popup menu is a
// QMenu whose choice reaches the procedure, the default button follows the
// runtime.
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include "platform/ui/qt/formview.h"
#include "platform/ui/qt/pagelist.h"
#include "tests/platform/ui/qt/qtfixture.h"

namespace vorda::ui::qt::test {
namespace {

enum Ctl { LIST = 1, SELECT };

class ListTest : public QtTest {
protected:
    void SetUp() override {
        child.desc = WindowDesc{
            .caption = "Agentes",
            .font = "Arial",
            .bold = true,
            .at = {0, 0, 200, 100},
            .flags = window::Resizable,
            .controls = {{.number = LIST,
                          .kind = ControlKind::List,
                          .at = {4, 4, 190, 60},
                          .msg = "Recorriendo Registros",
                          .columns = {{.header = "Nº de Agente",
                                       .width = 52,
                                       .indent = 2,
                                       .rightBorder = true,
                                       .resizable = true},
                                      {.header = "Importe", .width = 60, .align = Align::Right}}},
                         {.number = SELECT,
                          .kind = ControlKind::Button,
                          .text = "&Elegir",
                          .at = {4, 70, 40, 14}}}};
        child.onEvent = [this](Window&, const Event& e) {
            if (e.kind == EventKind::AlertKey && e.key == key::MouseRight)
                chosen = static_cast<int>(Runtime::current().popup(menu));
        };
        child.onOpen = [](Window& w) {
            std::vector<Row> rows;
            for (int i = 1; i <= 50; ++i)
                rows.push_back({std::to_string(i), std::to_string(i * 100)});
            w.control(LIST).setRows(rows);
            w.control(LIST).setSelection(1);
        };
        log = open(child);
        list = backend.form(log->id)->list(LIST);
        ASSERT_NE(list, nullptr);
    }
    // The scroll events the list's procedure received, in order.
    std::vector<Event> scrolls() const {
        std::vector<Event> out;
        for (const Event& e : log->events) {
            if (e.kind >= EventKind::ScrollUp && e.kind <= EventKind::Locate)
                out.push_back(e);
        }
        return out;
    }
    bool got(EventKind kind, int thumb = -1) {
        return pump([&] {
            const std::vector<Event> s = scrolls();
            return !s.empty() && s.back().kind == kind && (thumb < 0 || s.back().thumb == thumb);
        });
    }

    // Right-clicks the list and waits for the popup menu.
    QMenu* rightClick() {
        rt.find(log->id)->alert(LIST, key::MouseRight);
        QTest::mouseClick(list->table()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        return pump([&] { return backend.shownPopup() != nullptr; }) ? backend.shownPopup()
                                                                     : nullptr;
    }

    Child child;
    std::shared_ptr<Child::Log> log;
    PageList* list = nullptr;
    const PopupMenu menu{.entries = {{.text = "&Agregar"},
                                     {.text = "&Cambiar", .enabled = false},
                                     {.separator = true},
                                     {.text = "&Elegir"}}};
    int chosen = -1;
};

TEST_F(ListTest, HoldsNoMoreRowsThanVisibleAndNeverScrollsNatively) {
    const int visible = list->rowsVisible();
    EXPECT_GT(visible, 2);
    EXPECT_LT(visible, 50);
    EXPECT_EQ(list->rowCount(), visible);
    EXPECT_EQ(backend.visibleRows(log->id, LIST), visible);
    EXPECT_EQ(list->table()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(list->table()->item(0, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(list->table()->currentRow(), 0);
}

TEST_F(ListTest, ColumnsFollowTheirDescription) {
    QTableWidget* t = list->table();
    const DialogUnits& du = backend.form(log->id)->units();
    EXPECT_EQ(t->horizontalHeaderItem(0)->text(), QStringLiteral("Nº de Agente"));
    EXPECT_EQ(t->columnWidth(0), du.x(52));
    EXPECT_EQ(t->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_EQ(t->horizontalHeader()->sectionResizeMode(1), QHeaderView::Fixed);
    EXPECT_TRUE(t->item(0, 1)->textAlignment() & Qt::AlignRight);
}

TEST_F(ListTest, NavigationKeysBecomeScrollEvents) {
    QTableWidget* t = list->table();
    QTest::keyClick(t, Qt::Key_Down);
    EXPECT_TRUE(got(EventKind::ScrollDown));
    QTest::keyClick(t, Qt::Key_Up);
    EXPECT_TRUE(got(EventKind::ScrollUp));
    QTest::keyClick(t, Qt::Key_PageDown);
    EXPECT_TRUE(got(EventKind::PageDown));
    QTest::keyClick(t, Qt::Key_PageUp);
    EXPECT_TRUE(got(EventKind::PageUp));
    QTest::keyClick(t, Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(got(EventKind::ScrollBottom));
    QTest::keyClick(t, Qt::Key_Home);
    EXPECT_TRUE(got(EventKind::ScrollTop));
    EXPECT_EQ(t->currentRow(), 0) << "only the list manager moves the selection";
}

TEST_F(ListTest, WheelAndScrollBarBecomeScrollEventsAndTheThumbStays) {
    QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list->table()->viewport(), &down);
    EXPECT_TRUE(got(EventKind::ScrollDown));
    QScrollBar* bar = list->thumbBar();
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_TRUE(got(EventKind::PageDown));
    EXPECT_EQ(bar->value(), 0) << "the bar waits for the list manager's thumb";
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_TRUE(got(EventKind::ScrollUp));
    bar->setSliderDown(true);
    bar->setSliderPosition(37);
    bar->setSliderDown(false);
    EXPECT_TRUE(got(EventKind::ScrollDrag, 37));
    rt.find(log->id)->control(LIST).setThumb(60);
    EXPECT_EQ(bar->value(), 60);
}

TEST_F(ListTest, ClickChoosesARowAndDoubleClickInsertDeleteReachTheRuntimeAsKeys) {
    Window* w = rt.find(log->id);
    w->alert(LIST, key::Insert);
    w->alert(LIST, key::Delete);
    w->alert(LIST, key::CtrlEnter);
    QTableWidget* t = list->table();
    const QPoint row3 = t->visualRect(t->model()->index(2, 0)).center();
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, row3);
    ASSERT_TRUE(pump([&] { return child.saw(EventKind::NewSelection, LIST); }));
    EXPECT_EQ(w->control(LIST).selection(), 3);
    EXPECT_EQ(t->currentRow(), 2);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, row3);
    EXPECT_TRUE(pump([&] { return child.saw(EventKind::Accepted, LIST); }));
    for (auto [qtKey, mods, code] :
         {std::tuple{Qt::Key_Insert, Qt::NoModifier, key::Insert},
          std::tuple{Qt::Key_Delete, Qt::NoModifier, key::Delete},
          std::tuple{Qt::Key_Return, Qt::ControlModifier, key::CtrlEnter}}) {
        QTest::keyClick(t, qtKey, mods);
        const KeyCode wanted = code;  // a structured binding is not captured by every compiler
        EXPECT_TRUE(pump([&] {
            return !log->events.empty() && log->events.back().kind == EventKind::AlertKey &&
                   log->events.back().key == wanted;
        })) << keyName(wanted);
    }
}

TEST_F(ListTest, TypedCharactersReachTheRuntimeForTheLocator) {
    rt.find(log->id)->alert(LIST, 'S');
    QTest::keyClicks(list->table(), QStringLiteral("S"));
    EXPECT_TRUE(pump([&] {
        return !log->events.empty() && log->events.back().kind == EventKind::AlertKey &&
               log->events.back().key == 'S';
    }));
}

TEST_F(ListTest, ATallerListShowsMoreRowsAndReportsSized) {
    const int before = list->rowsVisible();
    QWidget* outer = backend.windowWidget(log->id);
    outer->resize(outer->width(), outer->height() + 200);
    list->resize(list->width(), list->height() + 200);
    ASSERT_TRUE(pump([&] { return child.saw(EventKind::Sized); }));
    EXPECT_GT(list->rowsVisible(), before);
    EXPECT_EQ(list->rowCount(), list->rowsVisible());
}

TEST_F(ListTest, TheProgramsGeometryIsAppliedAndTheNewRowsAreReported) {
    Window* w = rt.find(log->id);
    const int before = list->rowsVisible();
    EXPECT_EQ(w->control(LIST).pageRows(), before) << "reported when the window opened";
    const DialogUnits& du = backend.form(log->id)->units();
    w->control(LIST).setRect({4, 4, 190, 30});
    EXPECT_EQ(list->height(), du.y(30));
    EXPECT_LT(list->rowsVisible(), before);
    EXPECT_EQ(w->control(LIST).pageRows(), list->rowsVisible());
    EXPECT_TRUE(pump([&] { return child.saw(EventKind::Sized); }));
    EXPECT_EQ(list->rowCount(), list->rowsVisible());
}

TEST_F(ListTest, ColumnsWiderThanTheListLeaveRoomForTheHorizontalScrollBar) {
    list->table()->setColumnWidth(1, list->width() * 2);
    QTableWidget* t = list->table();
    const int used = t->horizontalHeader()->sizeHint().height() + 2 * t->frameWidth() +
                     list->rowsVisible() * t->verticalHeader()->defaultSectionSize() +
                     t->horizontalScrollBar()->sizeHint().height();
    EXPECT_LE(used, list->height()) << "every row shown is whole above the scroll bar";
}

TEST_F(ListTest, ARightClickPopupIsAMenuWhoseChoiceReachesTheProcedure) {
    QMenu* m = rightClick();
    ASSERT_NE(m, nullptr);
    const QList<QAction*> actions = m->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&Agregar"));
    EXPECT_FALSE(actions[1]->isEnabled());
    EXPECT_TRUE(actions[2]->isSeparator());
    actions[3]->trigger();
    ASSERT_TRUE(pump([&] { return chosen >= 0; }));
    EXPECT_EQ(chosen, 4);
}

TEST_F(ListTest, AMenuClosedWithoutAChoiceGivesZero) {
    QMenu* m = rightClick();
    ASSERT_NE(m, nullptr);
    m->close();
    ASSERT_TRUE(pump([&] { return chosen >= 0; }));
    EXPECT_EQ(chosen, 0);
    EXPECT_EQ(backend.shownPopup(), nullptr);
}

TEST_F(ListTest, TheDefaultButtonFollowsTheRuntime) {
    auto* b = qobject_cast<QPushButton*>(backend.form(log->id)->widget(SELECT));
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(b->isDefault());
    rt.find(log->id)->control(SELECT).setDefault(true);
    EXPECT_TRUE(b->isDefault());
    rt.find(log->id)->control(SELECT).setDefault(false);
    EXPECT_FALSE(b->isDefault());
}

}  // namespace
}  // namespace vorda::ui::qt::test
