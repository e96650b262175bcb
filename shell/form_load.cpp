#include "shell/form_load.h"

#include "riddles/show_riddle.h"
#include "ui/conversions.h"
#include "ui/form.h"
#include "ui/runtime_error.h"

#include <cmath>

namespace zarvona {

std::int32_t centredOffset(float screenSize, float windowSize)
{
    const double difference = static_cast<double>(screenSize) - static_cast<double>(windowSize);
    if (std::isinf(difference))
        throw RuntimeError::overflow();
    // Integer division truncates toward zero: a difference of -3 gives -1, not -2.
    return roundToInt32(difference) / 2;
}

void Form_Load(Form& form)
{
    const float screenWidth = form.screenWidth();
    const float windowWidth = form.width();
    const float screenHeight = form.screenHeight();
    const float windowHeight = form.height();
    const std::int32_t top = centredOffset(screenHeight, windowHeight);
    const std::int32_t left = centredOffset(screenWidth, windowWidth);
    form.move(static_cast<float>(left), top);

    form.setPicture(Control::Image2, form.picture(Control::Image4));
    ShowRiddle(form);
}

} // namespace zarvona
