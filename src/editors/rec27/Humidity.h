// Relative humidity from a dry and a wet bulb temperature and the barometric
// pressure (the psychrometer formula), as the occupation record editor shows it.
#pragma once

#include <string>
#include <string_view>

namespace ardel {

// The reading of one measurement: its value as the field's text gives it and its
// code ("C"/"F" for a temperature; "MB", "MM" or "IN" for the pressure).
struct Psychrometer {
    float dryBulb = 0;
    char dryCode = 'C';
    float wetBulb = 0;
    char wetCode = 'C';
    float pressure = 0;
    std::string_view pressureCode = "MB";
};

// The value of a measurement text as the C library reads a floating-point number
// from its start, whatever the process locale: leading white space, then the
// longest number there is; 0 when none. " 20." -> 20, "-5.5" -> -5.5, "   ." -> 0.
float measurementValue(std::string_view text);

// The relative humidity in percent, in double precision from the single-precision
// readings: saturation pressure es(T) = e^(21.4 - 5351 / T) in millibars, T in
// kelvin; e = es(Tw) - (Td - Tw) * P / 1555; RH = e / es(Td) * 100.
double relativeHumidity(const Psychrometer& reading);

// The humidity field's text: "99.9" above 99.9, "**.*" below 0, else "%4.1f".
//   58.79 -> "58.8", 100 -> "99.9", 5.04 -> " 5.0", -3 -> "**.*".
std::string humidityText(double humidity);

} // namespace ardel
