// Shared set-up of the runtime tests: a headless backend with its runtime,
// and a small form whose controls are bound to a test record.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/types/fixedtext.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"

namespace vorda::ui {

// Events print as "Accepted(5)" in test failures.
inline void PrintTo(const Event& e, std::ostream* os) {
    *os << eventName(e.kind) << "(" << e.control.value();
    if (e.key != 0)
        *os << ", key " << keyName(e.key);
    *os << ")";
}

}  // namespace vorda::ui

namespace vorda::ui::test {

class UiTest : public ::testing::Test {
protected:
    void settle() { backend.settle(rt); }
    UserInput& input() { return rt.input(); }

    HeadlessBackend backend;
    Runtime rt{backend};
};

enum class Ctl {
    SHEET = 1,
    TAB_MAIN,
    TAB_MORE,
    PROMPT_NAME,
    NAME,
    CUIT,
    MONTH,
    AMOUNT,
    OPTION,
    RADIO_B,
    RADIO_C,
    NOTE,
    LIST,
    OK,
    CANCEL,
};

struct TestRecord {
    FixedText<10> name;
    FixedText<13> cuit;
    FixedText<2> month;
    Decimal amount;
    FixedText<1> inciso;
};

inline WindowDesc formDesc(TestRecord& r) {
    return WindowDesc{
        .caption = "Ficha de prueba",
        .flags = window::MdiChild,
        .controls = {
            {.number = Ctl::SHEET, .kind = ControlKind::Sheet, .name = "?CURRENTTAB"},
            {.number = Ctl::TAB_MAIN,
             .kind = ControlKind::Tab,
             .text = "&General",
             .parent = Ctl::SHEET},
            {.number = Ctl::PROMPT_NAME,
             .kind = ControlKind::Prompt,
             .text = "&Nombre:",
             .parent = Ctl::TAB_MAIN},
            {.number = Ctl::NAME,
             .kind = ControlKind::Entry,
             .name = "?T:NAME",
             .field = "T:NAME",
             .picture = "@s10",
             .parent = Ctl::TAB_MAIN,
             .bind = bindField(r.name)},
            {.number = Ctl::CUIT,
             .kind = ControlKind::Entry,
             .name = "?T:CUIT",
             .field = "T:CUIT",
             .picture = "##-########-#",
             .parent = Ctl::TAB_MAIN,
             .bind = bindField(r.cuit)},
            {.number = Ctl::MONTH,
             .kind = ControlKind::Spin,
             .name = "?T:MONTH",
             .picture = "P##PB",
             .parent = Ctl::TAB_MAIN,
             .low = 1,
             .high = 12,
             .bind = bindField(r.month)},
            {.number = Ctl::TAB_MORE,
             .kind = ControlKind::Tab,
             .text = "Más",
             .parent = Ctl::SHEET},
            {.number = Ctl::AMOUNT,
             .kind = ControlKind::Entry,
             .name = "?T:AMOUNT",
             .picture = "N20.2",
             .parent = Ctl::TAB_MORE,
             .bind = bindField(r.amount)},
            {.number = Ctl::OPTION,
             .kind = ControlKind::Option,
             .name = "?T:INCISO",
             .text = "Inciso",
             .parent = Ctl::TAB_MORE,
             .bind = bindField(r.inciso)},
            {.number = Ctl::RADIO_B,
             .kind = ControlKind::Radio,
             .text = "b",
             .parent = Ctl::OPTION,
             .value = "b"},
            {.number = Ctl::RADIO_C,
             .kind = ControlKind::Radio,
             .text = "c",
             .parent = Ctl::OPTION,
             .value = "c"},
            {.number = Ctl::NOTE, .kind = ControlKind::String, .name = "?NOTE", .text = "nota"},
            {.number = Ctl::LIST,
             .kind = ControlKind::List,
             .name = "?BROWSE:1",
             .columns = {{.header = "Nombre"}, {.header = "Importe", .picture = "N20.2"}}},
            {.number = Ctl::OK,
             .kind = ControlKind::Button,
             .name = "?OK",
             .text = "Aceptar",
             .flags = control::Default},
            {.number = Ctl::CANCEL,
             .kind = ControlKind::Button,
             .name = "?CANCEL",
             .text = "&Cancelar"},
        }};
}

inline Event accepted(Ctl c) {
    return {.kind = EventKind::Accepted, .control = c};
}
inline Event selected(Ctl c) {
    return {.kind = EventKind::Selected, .control = c};
}
inline Event rejected(Ctl c) {
    return {.kind = EventKind::Rejected, .control = c};
}
inline Event windowEvent(EventKind k) {
    return {.kind = k};
}

}  // namespace vorda::ui::test
