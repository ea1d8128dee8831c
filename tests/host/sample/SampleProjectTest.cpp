#include "host/sample/SampleProject.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/FilterSettingsConversion.h"
#include "host/project/Project.h"
#include "host/project/ProjectDocumentReader.h"
#include "host/project/ProjectDocumentWriter.h"
#include "tests/host/pipeline/PipelineFixture.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace
{

/// The names of the variables, each followed by "|".
std::string variableNames()
{
  std::string names;
  for (const auto& handle : Project::project().variables())
    names += handle.lock()->name() + "|";
  return names;
}

double stressOfCaseOne()
{
  const Project& project = Project::project();
  return project.record(1).lock()->data(*project.variable("Stress [MPa]").lock()).doubleValue();
}

} // namespace

TEST(SampleProject, IsTheSameStudyEveryTimeWithPicturesOfEveryCase)
{
  QTemporaryDir folder;
  Project::project().assign(SampleProject::contents(folder.path()));
  const Project& project = Project::project();
  EXPECT_EQ(project.recordCount(), SampleProject::caseCount);
  EXPECT_EQ(variableNames(),
    "Case ID|Length [m]|Width [mm]|Height [mm]|Ribs|Material|Deflection [mm]|Stress [MPa]|"
    "Mass [kg]|");
  const auto stress = project.variable("Stress [MPa]").lock();
  const auto mass = project.variable("Mass [kg]").lock();
  EXPECT_TRUE(project.record(17).lock()->data(*stress).isNaN());
  EXPECT_TRUE(project.record(99).lock()->data(*mass).isNull());
  const double firstStress = stressOfCaseOne();
  const auto range = stress->range();
  EXPECT_LT(range.first, 100.0);
  EXPECT_GT(range.second, 300.0);
  EXPECT_EQ(project.tagGroups().size(), 2u);
  ASSERT_EQ(project.auxFiles().size(), 300u);
  const auto picture = project.record(5).lock()->auxFiles().front().lock();
  EXPECT_EQ(picture->tags().size(), 2u);
  const QImage image(QString::fromStdString(picture->filePath()));
  EXPECT_EQ(image.size(), QSize(200, 150));

  QTemporaryDir other;
  Project::project().assign(SampleProject::contents(other.path()));
  EXPECT_EQ(stressOfCaseOne(), firstStress);
  const auto again = Project::project().record(5).lock()->auxFiles().front().lock();
  EXPECT_EQ(QImage(QString::fromStdString(again->filePath())), image);
}

TEST_F(PipelineTest, SampleFiltersApplyAndTravelThroughTheDocument)
{
  QTemporaryDir folder;
  Project::project().assign(SampleProject::contents(folder.filePath("images")));
  applyFilterSettings(*m_pipeline, SampleProject::filters());
  EXPECT_EQ(filterSettings(*m_pipeline), SampleProject::filters());
  const auto passing = filtered()->GetNumberOfRows();
  EXPECT_GT(passing, 30);
  EXPECT_LT(passing, 250);
  EXPECT_EQ(m_pipeline->filters().size(), 2u);

  const QString path = folder.filePath("sample.vproj");
  ProjectDocumentWriter::write(path, filterSettings(*m_pipeline));
  LoadedProjectDocument loaded = ProjectDocumentReader::read(path);
  Project::project().assign(std::move(loaded.contents));
  EXPECT_TRUE(m_pipeline->allFilters().empty());
  applyFilterSettings(*m_pipeline, loaded.filters);
  EXPECT_EQ(filtered()->GetNumberOfRows(), passing);
  EXPECT_EQ(Project::project().auxFiles().size(), 300u);
}
