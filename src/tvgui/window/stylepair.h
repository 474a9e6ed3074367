#pragma once

// Defines the get/set pair of one style bit (or bits, all of which must be set) of a window
// class: the getter reads the window long, the setter returns the long it replaced.
#define TVGUI_STYLE_PAIR(CLASS, NAME, INDEX, BITS)                                                 \
    bool CLASS::NAME() const {                                                                     \
        return styleBit(GWL::INDEX, BITS);                                                         \
    }                                                                                              \
    LONG_PTR CLASS::NAME(bool on) {                                                                \
        return setStyleBit(GWL::INDEX, BITS, on);                                                  \
    }
