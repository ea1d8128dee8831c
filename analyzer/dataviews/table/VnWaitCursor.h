#pragma once

/// Shows the wait cursor for its lifetime.
class VnWaitCursor
{
public:
  VnWaitCursor();
  ~VnWaitCursor();
  VnWaitCursor(const VnWaitCursor&) = delete;
  VnWaitCursor& operator=(const VnWaitCursor&) = delete;
};
