// The standard progress window.
#include "framework/progresswindow.h"

#include <algorithm>

#include "platform/types/cp1252.h"
#include "platform/ui/window.h"

namespace vorda {

namespace {

constexpr int MinWidth = 142;
constexpr int Height = 59;

// Wide enough for the caption in the title bar (a larger, bold font) beside
// its three buttons, so that "Imprimiendo Declaración Jurada" is not cut.
int widthFor(const std::string& caption) {
    const int characters = static_cast<int>(cp1252::fromUtf8(caption).size());
    return std::max(MinWidth, 6 * characters + 52);
}

}  // namespace

ui::WindowDesc progressWindowDesc(std::string caption, std::string percentText) {
    using ui::ControlKind;
    const int width = widthFor(caption);
    const int bar = width - 30;
    return ui::WindowDesc{.caption = std::move(caption),
                          .font = "Arial",
                          .fontSize = 8,
                          .at = {.x = 0, .y = 0, .width = width, .height = Height},
                          .flags = ui::window::Modal | ui::window::Center,
                          .timer = 1,
                          .controls = {
                              {.number = ProgressCtl::Thermometer,
                               .kind = ControlKind::Progress,
                               .name = "?Progress:Thermometer",
                               .text = "0",
                               .at = {.x = 15, .y = 15, .width = bar, .height = 12}},
                              {.number = ProgressCtl::UserString,
                               .kind = ControlKind::String,
                               .name = "?Progress:UserString",
                               .at = {.x = 15, .y = 3, .width = bar, .height = 10}},
                              {.number = ProgressCtl::PctText,
                               .kind = ControlKind::String,
                               .name = "?Progress:PctText",
                               .text = std::move(percentText),
                               .at = {.x = width / 2 - 22, .y = 30, .width = 78, .height = 10}},
                              {.number = ProgressCtl::Cancel,
                               .kind = ControlKind::Button,
                               .name = "?Progress:Cancel",
                               .text = "Cancelar",
                               .at = {.x = width / 2 - 25, .y = 42, .width = 50, .height = 15}},
                          }};
}

void bindProgress(ui::Window& window, uint8_t& percentile) {
    window.bind(
        ProgressCtl::Thermometer,
        ui::Binding{.get = [&percentile] { return FieldValue{int64_t{percentile}}; }, .set = {}});
}

}  // namespace vorda
