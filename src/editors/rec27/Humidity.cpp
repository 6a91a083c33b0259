#include "editors/rec27/Humidity.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ardel {

namespace {

constexpr double kKelvinAtZeroCelsius = 273.15;
constexpr double kFahrenheitStep = 0.5555555555555556;
constexpr double kFahrenheitAtZeroCelsius = 32;
constexpr double kMillibarsPerInchOfMercury = 33.8639;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kPsychrometerConstant = 1555;
constexpr double kHighest = 99.9;
constexpr int kTextWidth = 4;

float kelvin(float temperature, char code) {
    const double celsius = code == 'F' ? (temperature - kFahrenheitAtZeroCelsius) * kFahrenheitStep : temperature;
    return static_cast<float>(celsius + kKelvinAtZeroCelsius);
}

float millibars(float pressure, std::string_view code) {
    if (code == "IN") {
        return static_cast<float>(pressure * kMillibarsPerInchOfMercury);
    }
    if (code == "MM") {
        return static_cast<float>(pressure * kMillibarsPerInchOfMercury / kMillimetresPerInch);
    }
    return pressure;
}

double saturationPressure(float kelvins) {
    return std::exp(21.4 - 5351 / static_cast<double>(kelvins));
}

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

float measurementValue(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isSpace(text[start])) {
        ++start;
    }
    // from_chars takes a minus sign but not a plus sign.
    if (start + 1 < text.size() && text[start] == '+' && text[start + 1] != '-') {
        ++start;
    }
    double value = 0;
    const char* first = text.data() + start;
    const auto result = std::from_chars(first, text.data() + text.size(), value);
    return result.ec == std::errc() ? static_cast<float>(value) : 0.0F;
}

double relativeHumidity(const Psychrometer& reading) {
    const float dry = kelvin(reading.dryBulb, reading.dryCode);
    const float wet = kelvin(reading.wetBulb, reading.wetCode);
    const float pressure = millibars(reading.pressure, reading.pressureCode);
    const double vapour = saturationPressure(wet) - (static_cast<double>(dry) - wet) * pressure / kPsychrometerConstant;
    return vapour / saturationPressure(dry) * 100;
}

std::string humidityText(double humidity) {
    if (humidity > kHighest) {
        return "99.9";
    }
    if (humidity < 0) {
        return "**.*";
    }
    std::array<char, 32> digits{};
    const auto result =
        std::to_chars(digits.data(), digits.data() + digits.size(), humidity, std::chars_format::fixed, 1);
    std::string text(digits.data(), result.ptr);
    if (text.size() < kTextWidth) {
        text.insert(0, kTextWidth - text.size(), ' ');
    }
    return text;
}

} // namespace ardel
