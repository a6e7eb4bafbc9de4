// The standard progress window.
#include "framework/progresswindow.h"

#include "platform/ui/window.h"

namespace vorda {

ui::WindowDesc progressWindowDesc(std::string caption, std::string percentText) {
    using ui::ControlKind;
    return ui::WindowDesc{.caption = std::move(caption),
                          .font = "Arial",
                          .fontSize = 8,
                          .at = {.x = 0, .y = 0, .width = 142, .height = 59},
                          .flags = ui::window::Modal | ui::window::Center,
                          .timer = 1,
                          .controls = {
                              {.number = ProgressCtl::Thermometer,
                               .kind = ControlKind::Progress,
                               .name = "?Progress:Thermometer",
                               .text = "0",
                               .at = {.x = 15, .y = 15, .width = 111, .height = 12}},
                              {.number = ProgressCtl::UserString,
                               .kind = ControlKind::String,
                               .name = "?Progress:UserString",
                               .at = {.x = 15, .y = 3, .width = 111, .height = 10}},
                              {.number = ProgressCtl::PctText,
                               .kind = ControlKind::String,
                               .name = "?Progress:PctText",
                               .text = std::move(percentText),
                               .at = {.x = 48, .y = 30, .width = 78, .height = 10}},
                              {.number = ProgressCtl::Cancel,
                               .kind = ControlKind::Button,
                               .name = "?Progress:Cancel",
                               .text = "Cancelar",
                               .at = {.x = 45, .y = 42, .width = 50, .height = 15}},
                          }};
}

void bindProgress(ui::Window& window, uint8_t& percentile) {
    window.bind(
        ProgressCtl::Thermometer,
        ui::Binding{.get = [&percentile] { return FieldValue{int64_t{percentile}}; }, .set = {}});
}

}  // namespace vorda
