#include "host/core/DeleteSignaler.h"

DeleteSignaler::~DeleteSignaler()
{
  signalDeleted();
}
