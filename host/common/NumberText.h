#pragma once

#include <cstdint>
#include <string>

class Variant;

/// One rule for reading numbers typed by users or stored in files, shared by the CSV import,
/// the project document, range filters and cell edits:
/// - blanks around the text are ignored; hexadecimal forms are not numbers;
/// - "inf", "infinity" (any case, optionally signed) are the infinities;
/// - a number written with digits whose magnitude lies beyond a double ("1e999"), or that is
///   not zero but too small to tell from zero ("1e-400"), is refused as out of range rather
///   than silently turned into infinity or zero;
/// - NaN and NULL texts are not numbers here: callers test isNanNumericInputValue and
///   isNullInputValue first.
enum class NumberTextStatus
{
  Ok,
  NotANumber,
  OutOfRange,
};

NumberTextStatus parseRealNumber(const std::string& text, double& value);
/// A whole number: digits with an optional sign, or a real number text ("8.0", "1e3") whose
/// value is exactly a whole number of at most 2^53. "8.5" is not a whole number.
NumberTextStatus parseWholeNumber(const std::string& text, int64_t& value);
/// A case id: decimal digits with an optional leading '+', 0 to 2^64 - 1.
NumberTextStatus parseCaseId(const std::string& text, uint64_t& value);
/// A number as a Variant by parseRealNumber's rule: an integer when the text is digits (with an
/// optional sign) that fit in 64 bits, otherwise a real number. `value` is set only on success.
/// Variant::fromText keeps out-of-range numbers as text; readers that must refuse them use this.
NumberTextStatus parseNumber(const std::string& text, Variant& value);
