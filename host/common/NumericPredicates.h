#pragma once

#include <QString>
#include <string>

/// The texts by which the user enters and the tables show the two special values.
extern const char* const nanText;  // "NaN"
extern const char* const nullText; // "NULL"

/// Whether typed text means "not a number": "nan" in any case, optionally signed, blanks around.
bool isNanNumericInputValue(const std::string& text);
bool isNanNumericInputValue(const QString& text);
/// Whether typed text means "no value": "null" in any case, blanks around.
bool isNullInputValue(const std::string& text);
bool isNullInputValue(const QString& text);
bool isNanNumericValue(double value);
/// Whether the whole text (blanks around allowed) is an integer or a real number.
bool isCompleteNumber(const std::string& text);
