#pragma once

class DataViewInterface;

/// Writes a view out as a file. Views without a render window produce no file.
class ViewExporterInterface
{
public:
  /// How smoothly edges are drawn in the exported image; level 1 captures the window as drawn.
  enum AntialiasLevel
  {
    NoAntialiasing = 0,
    WindowAntialiasing = 1
  };

  virtual ~ViewExporterInterface() = default;
  virtual void exportView(DataViewInterface& view) = 0;
};
