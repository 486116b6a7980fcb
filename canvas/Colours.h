#pragma once
// The named colours of the window layouts, and the 0x00BBGGRR colour numbers
// that the layouts and some drawing steps work with.
#include <QColor>
#include <cstdint>

namespace colours {
inline const QColor clBlack(0x00, 0x00, 0x00);
inline const QColor clMaroon(0x80, 0x00, 0x00);
inline const QColor clGreen(0x00, 0x80, 0x00);
inline const QColor clOlive(0x80, 0x80, 0x00);
inline const QColor clNavy(0x00, 0x00, 0x80);
inline const QColor clPurple(0x80, 0x00, 0x80);
inline const QColor clTeal(0x00, 0x80, 0x80);
inline const QColor clGray(0x80, 0x80, 0x80);
inline const QColor clSilver(0xC0, 0xC0, 0xC0);
inline const QColor clRed(0xFF, 0x00, 0x00);
inline const QColor clLime(0x00, 0xFF, 0x00);
inline const QColor clYellow(0xFF, 0xFF, 0x00);
inline const QColor clBlue(0x00, 0x00, 0xFF);
inline const QColor clFuchsia(0xFF, 0x00, 0xFF);
inline const QColor clAqua(0x00, 0xFF, 0xFF);
inline const QColor clWhite(0xFF, 0xFF, 0xFF);
inline const QColor clBtnFace(0xF0, 0xF0, 0xF0);
inline const QColor clHotLight(0x00, 0x66, 0xCC);
} // namespace colours

// A colour number 0x00BBGGRR (red in the low byte) to a colour and back.
QColor fromColourNumber(std::uint32_t bgr);
std::uint32_t toColourNumber(const QColor &c);
// The colour with all 24 bits inverted.
QColor complement(const QColor &c);
