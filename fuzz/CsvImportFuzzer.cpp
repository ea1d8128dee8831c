// Reads any bytes as a CSV file of cases: a refusal must be an ImportError, never a crash, a
// hang or a sanitizer report.
#include "fuzz/FuzzInput.h"
#include "host/project/CsvImporter.h"
#include "host/project/ImportError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
  const QString path = writeFuzzInput(data, size, "cases.csv");
  try
  {
    CsvImporter().columns(path);
    CsvImporter().import(path);
  }
  catch (const ImportError&)
  {
  }
  return 0;
}
