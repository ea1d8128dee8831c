// Reads any bytes as a project document: a refusal must be an ImportError.
#include "fuzz/FuzzInput.h"
#include "host/project/ImportError.h"
#include "host/project/ProjectDocumentReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
  const QString path = writeFuzzInput(data, size, "project.vproj");
  try
  {
    ProjectDocumentReader::read(path);
  }
  catch (const ImportError&)
  {
  }
  return 0;
}
