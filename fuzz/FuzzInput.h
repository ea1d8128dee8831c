#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

/// Writes one fuzz input to a file in a folder of its own (the readers read files by path, and
/// messages and relative paths depend on the name); returns the file's path.
QString writeFuzzInput(const uint8_t* data, std::size_t size, const char* fileName);
