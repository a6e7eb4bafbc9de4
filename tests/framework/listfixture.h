// List tests: an agents-like list (AGT table) run by a real WindowManager and
// BrowseClass on a procedure thread of the headless runtime.
//
//   ListTest        fixture: tables in a fresh directory, runtime, list options
//   open()          starts the list procedure, settles
//   key/scroll/press/choose   what the user does
//   shownNames()    the NOMBRE column of the page; selectedName()
//   reads           records the view read (Next/Previous calls)
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/browseclass.h"
#include "framework/locatorclass.h"
#include "framework/stepclass.h"
#include "framework/toolbarclass.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "tests/framework/relationtables.h"

namespace vorda::test {

enum class ListCtl {
    LIST = 1,
    LOCATOR,
    INSERT,
    CHANGE,
    DELETE,
    SELECT,
    CLOSE,
    PRINT,
    HELP,
    SHEET,
    TAB_FIRST,
    TAB_SECOND,
};

struct ListOptions {
    int key = AGT_BYNOMBRE;
    StepClass* step = nullptr;
    LocatorClass* locator = nullptr;
    int lastItems = 10;
    uint8_t request = 0;  // RequestSelect for a selection list
    bool buttons = true;
    // The update procedure: gets the request, returns the response.
    std::function<uint8_t(uint8_t)> form{};
    std::string locatorPicture = "@s40";
    // Non-empty: a second sort (the other AGT key) is added and the sheet's
    // tabs choose the sort, tab i -> sheetSorts[i - 1].
    std::vector<int> sheetSorts{};
    bool listOnSecondTab = false;  // the list lies on the sheet's second tab
    bool toolbar = false;          // a toolbar target with HELP as help button
    int declaredRows = 0;          // the list control's declared rows
};

class CountingBrowse : public BrowseClass {
public:
    Level Next() override {
        ++reads;
        return BrowseClass::Next();
    }
    Level Previous() override {
        ++reads;
        return BrowseClass::Previous();
    }
    int reads = 0;
};

class ListTest : public RelationFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    void open();
    void settle() { backend.settle(*rt); }
    ui::Window* listWindow() const { return rt->topWindow(thread); }
    ui::Control& list() const { return listWindow()->control(ListCtl::LIST); }
    void key(ui::KeyCode code);
    void scroll(ui::EventKind kind, int thumb = 0);
    void press(ListCtl control);
    void choose(ListCtl control, std::string_view value);
    std::vector<std::string> shownNames() const;
    std::string selectedName() const;
    std::string bufferName() const;
    // `count` agents named "N0000".."N<count-1>" with numbers "1".."count".
    void addMany(int count);

    ListOptions options;
    CountingBrowse* browse = nullptr;
    ui::HeadlessBackend backend;
    std::unique_ptr<ui::Runtime> rt;
    int thread = 0;
    bool finished = false;
    uint8_t response = 0;
    std::string nameAtClose;
    ToolbarClass toolbar;
    std::vector<ui::ControlId> accepted;  // Accepted events the window took
};

std::string trimmed(std::string text);

}  // namespace vorda::test
