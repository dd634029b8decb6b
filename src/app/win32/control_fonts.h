// The fonts of Form1's controls at one dpi, made from their FontSpecs.
// Controls with the same FontSpec share one font; all are deleted together.
#pragma once

#include "app/win32/win32_api.h"
#include "window/form1.h"

#include <array>

namespace qhj::app::win32 {

class ControlFonts {
public:
    ControlFonts() = default;
    explicit ControlFonts(int dpi);
    ~ControlFonts();
    ControlFonts(const ControlFonts&) = delete;
    ControlFonts& operator=(const ControlFonts&) = delete;
    ControlFonts(ControlFonts&& other) noexcept;
    ControlFonts& operator=(ControlFonts&& other) noexcept;

    // The font of the control at `index` in Form1.controls.
    HFONT forControl(std::size_t index) const { return m_fonts[index]; }

private:
    void release();

    std::array<HFONT, window::kControlCount> m_fonts{};
};

} // namespace qhj::app::win32
