#include "host/sample/SampleProject.h"

#include "host/project/ProjectError.h"
#include "host/sample/BeamDesign.h"
#include "host/sample/BeamPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <set>

namespace
{

// Runs whose solver failed give NaN results; some masses were never computed.
const std::set<uint64_t> failedRuns = { 17, 42, 133, 251 };
const std::set<uint64_t> massNotComputed = { 99, 199 };
const std::set<uint64_t> materialUnknown = { 123 };

std::string reviewTag(const BeamDesign& beam)
{
  if (beam.stress < 120.0)
    return "approved";
  return beam.stress > 300.0 ? "rejected" : "pending";
}

std::string qualityTag(const BeamDesign& beam)
{
  return beam.caseId % 7 == 3 ? "blurred" : "sharp";
}

std::vector<Variant> valuesOf(const BeamDesign& beam)
{
  const bool failed = failedRuns.count(beam.caseId) != 0;
  return { beam.length,
    beam.width,
    beam.height,
    beam.ribs,
    materialUnknown.count(beam.caseId) ? Variant::null() : Variant(beam.material),
    failed ? Variant::nan() : Variant(beam.deflection),
    failed ? Variant::nan() : Variant(beam.stress),
    massNotComputed.count(beam.caseId) ? Variant::null() : Variant(beam.mass) };
}

QString pictureOf(const BeamDesign& beam, const QDir& folder)
{
  const QString path =
    folder.filePath(QStringLiteral("beam-%1.png").arg(beam.caseId, 4, 10, QLatin1Char('0')));
  if (QFileInfo::exists(path))
    return path;
  if (!BeamPicture::draw(beam).save(path, "PNG"))
    throw ProjectError("Cannot write the sample picture \"" + path.toStdString() + "\".");
  return path;
}

} // namespace

ProjectContents SampleProject::contents(const QString& imageFolder)
{
  QDir folder(imageFolder);
  if (!folder.mkpath(QStringLiteral(".")))
    throw ProjectError("Cannot make the folder \"" + imageFolder.toStdString() + "\".");

  ProjectContents contents;
  contents.addVariable("Length [m]", Variable::Independent, ValueType::Real);
  contents.addVariable("Width [mm]", Variable::Independent, ValueType::Real);
  contents.addVariable("Height [mm]", Variable::Independent, ValueType::Real);
  contents.addVariable("Ribs", Variable::Independent, ValueType::Integer);
  contents.addVariable("Material", Variable::Other, ValueType::Text);
  contents.addVariable("Deflection [mm]", Variable::Dependent, ValueType::Real);
  contents.addVariable("Stress [MPa]", Variable::Dependent, ValueType::Real);
  contents.addVariable("Mass [kg]", Variable::Dependent, ValueType::Real);
  contents.reserve(caseCount);
  for (uint64_t caseId = 1; caseId <= static_cast<uint64_t>(caseCount); ++caseId)
  {
    const BeamDesign beam = BeamDesign::forCase(caseId);
    contents.addRecord(caseId, valuesOf(beam));
    contents.addAuxFile(
      caseId, pictureOf(beam, folder).toStdString(), { reviewTag(beam), qualityTag(beam) });
  }
  contents.setTagGroups({ TagGroup("Review", { "approved", "pending", "rejected" }),
    TagGroup("Quality", { "sharp", "blurred" }) });
  return contents;
}

std::vector<FilterSettings> SampleProject::filters()
{
  FilterSettings stress;
  stress.variable = "Stress [MPa]";
  stress.kind = FilterSettings::Kind::Range;
  stress.low = 0.0;
  stress.high = 250.0;
  FilterSettings material;
  material.variable = "Material";
  material.kind = FilterSettings::Kind::Values;
  material.values = {
    { Variant("Steel"), true }, { Variant("Aluminium"), true }, { Variant("Titanium"), false }
  };
  return { stress, material };
}

QString SampleProject::defaultImageFolder()
{
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  return QDir(cache.isEmpty() ? QDir::tempPath() : cache)
    .filePath(QStringLiteral("vantor-data-views/sample-beams-1"));
}
