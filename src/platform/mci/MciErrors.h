#pragma once
// The error numbers of the MCI stand-in. They are the numbers the Windows
// interface gave for the same faults, so that "Error" + number reads the same;
// every number has a German text for the error boxes.

#include <string>

namespace qor {

namespace MciError {
constexpr int None = 0;
constexpr int UnrecognizedKeyword = 259;
constexpr int UnrecognizedCommand = 261;
constexpr int InvalidDeviceName = 263; // no device of that alias is open
constexpr int MissingCommandString = 267;
constexpr int BadInteger = 270;
constexpr int MissingParameter = 273;
constexpr int UnsupportedFunction = 274; // the device cannot do that
constexpr int FileNotFound = 275;
constexpr int OutOfRange = 282;
constexpr int FileNotSaved = 286;
constexpr int MissingDeviceName = 292;
constexpr int BadTimeFormat = 293;
constexpr int NoClosingQuote = 294;
constexpr int InvalidFile = 296; // unreadable or of a format no decoder knows
constexpr int NewRequiresAlias = 299;
constexpr int DeviceNotInstalled = 306; // audio CD: this machine has no CD drive
constexpr int NoOutputDevice = 326;
constexpr int NoInputDevice = 328;
} // namespace MciError

// The text shown for an error number (Windows-1252).
std::string mciErrorText(int error);

} // namespace qor
