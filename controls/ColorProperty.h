// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Color.h"

#include <QColor>

// The QColor face of a TColor property, for the meta-object system (forms and
// the form designer's colour editor): Name##Rgb() reads the colour as it is
// drawn (a system colour as the palette shows it now), Set##Name##Rgb() hands
// a plain colour to the control's own setter, so its rules still apply.
#define MASKWELL_RGB_ACCESSORS(Name)                                                               \
    QColor Name##Rgb() const {                                                                     \
        return ::maskwell::ResolveColor(Name());                                                   \
    }                                                                                              \
    void Set##Name##Rgb(const QColor& color) {                                                     \
        Set##Name(::maskwell::ToTColor(color));                                                    \
    }
