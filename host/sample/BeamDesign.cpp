#include "host/sample/BeamDesign.h"

#include <random>

namespace
{

const double tipLoad = 2000.0; // N

struct Material
{
  const char* name;
  double youngsModulus; // N/mm^2
  double density;       // kg/m^3
};

const Material materials[] = { { "Steel", 210000.0, 7850.0 },
  { "Aluminium", 70000.0, 2700.0 },
  { "Titanium", 110000.0, 4500.0 } };

/// A number in [low, high) from the generator's raw output: the standard distributions may
/// differ between libraries, the engine does not.
double uniform(std::mt19937& engine, double low, double high)
{
  return low + (high - low) * (static_cast<double>(engine()) / 4294967296.0);
}

} // namespace

BeamDesign BeamDesign::forCase(uint64_t caseId)
{
  std::mt19937 engine(static_cast<std::mt19937::result_type>(20240 + caseId));
  BeamDesign beam{};
  beam.caseId = caseId;
  beam.length = uniform(engine, 1.0, 3.0);
  beam.width = uniform(engine, 20.0, 80.0);
  beam.height = uniform(engine, 40.0, 160.0);
  beam.ribs = static_cast<int>(engine() % 5);
  const Material& material = materials[engine() % 3];
  beam.material = material.name;

  const double stiffening = 1.0 + 0.15 * beam.ribs;
  const double inertia = beam.width * beam.height * beam.height * beam.height / 12.0 * stiffening;
  const double span = beam.length * 1000.0;
  beam.deflection = tipLoad * span * span * span / (3.0 * material.youngsModulus * inertia);
  beam.stress = tipLoad * span * (beam.height / 2.0) / inertia;
  const double volume = beam.length * beam.width / 1000.0 * beam.height / 1000.0;
  beam.mass = volume * (1.0 + 0.1 * beam.ribs) * material.density;
  return beam;
}
