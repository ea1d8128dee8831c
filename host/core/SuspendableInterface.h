#pragma once

/// Something that can stop reacting to outside changes and later catch up.
class SuspendableInterface
{
public:
  virtual ~SuspendableInterface() = default;
  virtual void suspend() = 0;
  virtual void resume() = 0;
};
