// ACERCADE: the about box, also the splash window shown when the frame opens.
//
// A small window without caption that names the product, what it is for and
// the agency, with the agency's logo. It closes itself on the first of: its
// timer (500 hundredths), a left or right click or a left double click on
// it, or the focus moving to another window. It always runs on a thread of
// its own: the frame starts it with the default stack as the splash, and
// with 25000 bytes from "&Ayuda" -> "&Acerca de...".
#pragma once

#include "platform/ui/windowdesc.h"

namespace vorda {

enum class AcercadeCtl {
    Product = 1,
    Description,
    Logo,
    Agency,
    Province,
};

inline constexpr int AcercadeTimer = 500;  // hundredths of a second

const ui::WindowDesc& acercadeDesc();

void ACERCADE();

}  // namespace vorda
