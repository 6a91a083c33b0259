// The record bodies an imported file gives, laid out as the editors lay out what is
// typed into them: the new station's *80* body, the *70* and *72* bodies, the
// occupation entries and the packed session.
#pragma once

#include "model/TextStore.h"
#include "rinex/Geodesy.h"

#include <optional>
#include <string>

namespace ardel::rinex_import {

// A new station: SSN, name, position (none when unknown), the defaults for the rest.
std::string newStationBody(const std::string& ssn, const std::string& name,
                           const std::optional<rinex::Geodetic>& position, const TextStore& defaults);
// The position of a station body; nothing when its latitude or longitude is blank.
std::optional<rinex::Geodetic> positionOfStation(const std::string& body);

std::string newInstrumentBody(const std::string& jsin, const std::string& receiverType, const std::string& serial);
std::string newAntennaBody(const std::string& jsan, const std::string& code, const std::string& serial);

// The antenna height as the occupation editor lays out a typed height ("MM.mmm",
// rounded to the millimetre); nothing when it does not fit.
std::optional<std::string> layOutAntennaHeight(double metres);

// An occupation entry: date YYMMDD, time HHMM, the height laid out, no weather data.
std::string occupationEntry(int year, int month, int day, int hour, int minute, const std::string& height);

// The receiver manufacturer code of the media identifier for a receiver type's maker.
char manufacturerCode(const std::string& receiverType);

// The cable length as the session editor lays it out (whole metres, two digits);
// nothing when the text is no whole number of up to two digits.
std::optional<std::string> layOutCableLength(const std::string& text);

} // namespace ardel::rinex_import
