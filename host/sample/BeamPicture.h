#pragma once

#include <QImage>

struct BeamDesign;

/// The side view of a beam: the wall it hangs from, the beam drawn to scale and coloured by
/// its stress, its ribs, and its bent shape under load.
class BeamPicture
{
public:
  static constexpr int width = 200;
  static constexpr int height = 150;

  static QImage draw(const BeamDesign& beam);
};
