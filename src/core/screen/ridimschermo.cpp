// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/screen/ridimschermo.h"

#include "core/platform/screen.h"

#include <algorithm>

void Ridimschermo::preparatabelle() {
    const auto size = static_cast<std::size_t>(ncontrolli + 1);
    controlli.assign(size, nullptr);
    originale_.assign(size, ScalableGeometry{});
}

void Ridimschermo::adattaschermo(const Screen& screen) {
    if (formdaridim == nullptr)
        return;
    formdaridim->windowState = 2;
    largform_ = formdaridim->width;
    altform_ = formdaridim->height;
    // Entries that were never registered stay empty and are passed over.
    for (std::size_t i = 1; i < controlli.size(); ++i)
        if (controlli[i] != nullptr)
            originale_[i] = *controlli[i];
    scala(screen.widthTwips() / largform_, screen.heightTwips() / altform_);
    formdaridim->top = 0;
}

void Ridimschermo::ridimensiona() {
    // Nothing to do before the start-up pass has recorded the design size.
    if (formdaridim == nullptr || largform_ <= 0 || altform_ <= 0)
        return;
    scala(formdaridim->width / largform_, formdaridim->height / altform_);
}

void Ridimschermo::scala(double fx, double fy) {
    // Fonts follow the height, unless the screen is narrower for its height
    // than the design (5:4, portrait): then they follow the width, so every
    // text still fits the control it was designed for.
    const double fontFactor = std::min(fx, fy);
    for (std::size_t i = 1; i < controlli.size(); ++i) {
        ScalableGeometry* control = controlli[i];
        if (control == nullptr)
            continue;
        const ScalableGeometry& o = originale_[i];
        control->left = static_cast<float>(fx * o.left);
        control->top = static_cast<float>(fy * o.top);
        control->width = static_cast<float>(fx * o.width);
        control->height = static_cast<float>(fy * o.height);
        control->fontSize = static_cast<float>(fontFactor * o.fontSize);
    }
}
