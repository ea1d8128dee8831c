#include "host/vtkutil/KeepGlDriverLoaded.h"

#if defined(__SANITIZE_ADDRESS__)
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#endif

void keepGlDriverLoaded()
{
#if defined(__SANITIZE_ADDRESS__)
  const char* folder = std::getenv("LIBGL_DRIVERS_PATH");
  const std::string driver =
    std::string(folder && *folder ? folder : VANTOR_GL_DRIVER_DIR) + "/swrast_dri.so";
  dlopen(driver.c_str(), RTLD_LAZY | RTLD_NODELETE);
#endif
}
