#include "app/win32/control_fonts.h"

#include "app/win32/dpi.h"

#include <utility>

namespace qhj::app::win32 {
namespace {

using window::FontSpec;
using window::Form1;

bool sameFont(const FontSpec& a, const FontSpec& b)
{
    return a.family == b.family && a.tenthsOfPoint == b.tenthsOfPoint && a.charset == b.charset
        && a.weight == b.weight;
}

HFONT createFont(const FontSpec& font, int dpi)
{
    LOGFONTW lf{};
    lf.lfHeight = fontHeight(font.tenthsOfPoint, dpi);
    lf.lfWeight = font.weight;
    lf.lfCharSet = static_cast<BYTE>(font.charset);
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring family = toWide(font.family);
    lstrcpynW(lf.lfFaceName, family.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

} // namespace

ControlFonts::ControlFonts(int dpi)
{
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        for (std::size_t j = 0; j < i && !m_fonts[i]; ++j) {
            if (sameFont(Form1.controls[j].font, Form1.controls[i].font))
                m_fonts[i] = m_fonts[j];
        }
        if (!m_fonts[i])
            m_fonts[i] = createFont(Form1.controls[i].font, dpi);
    }
}

ControlFonts::~ControlFonts()
{
    release();
}

ControlFonts::ControlFonts(ControlFonts&& other) noexcept : m_fonts(std::exchange(other.m_fonts, {})) { }

ControlFonts& ControlFonts::operator=(ControlFonts&& other) noexcept
{
    if (this != &other) {
        release();
        m_fonts = std::exchange(other.m_fonts, {});
    }
    return *this;
}

void ControlFonts::release()
{
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        HFONT font = m_fonts[i];
        if (!font)
            continue;
        for (HFONT& shared : m_fonts) {
            if (shared == font)
                shared = nullptr;
        }
        DeleteObject(font);
    }
}

} // namespace qhj::app::win32
