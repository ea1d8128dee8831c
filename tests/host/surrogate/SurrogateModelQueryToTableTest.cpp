#include "host/surrogate/SurrogateModelQueryToTable.h"
#include "host/common/NumberText.h"
#include "host/pipeline/RangeFilter.h"
#include "host/surrogate/SurrogateModelCSVExporter.h"
#include "host/vtkutil/AlgorithmExecutionListener.h"
#include "tests/host/surrogate/SurrogateFixture.h"
#include "tests/support/QtMessageGuard.h"

#include <QDir>
#include <fstream>
#include <sstream>
#include <vtkTable.h>

namespace
{

class QueryTest : public SurrogateTest
{
protected:
  void makeQuery(int flag = 0)
  {
    m_variables = boost::make_shared<TestInterpolationVariables>(m_manager, m_collection, flag);
    m_query = vtkSmartPointer<SurrogateModelQueryToTable>::Take(
      SurrogateModelQueryToTable::New(m_manager, m_variables));
    m_executions = std::make_unique<AlgorithmExecutionListener>(m_query);
  }

  vtkTable* table()
  {
    m_query->Update();
    return vtkTable::SafeDownCast(m_query->GetOutputDataObject(0));
  }

  /// Whether the query executed since the last call.
  bool executed()
  {
    table();
    const bool result = m_executions->algorithmHasExecuted();
    m_executions->reset();
    return result;
  }

  double cell(vtkIdType row, const char* column)
  {
    return table()->GetColumnByName(column)->GetVariantValue(row).ToDouble();
  }

  boost::shared_ptr<TestInterpolationVariables> m_variables;
  vtkSmartPointer<SurrogateModelQueryToTable> m_query;
  std::unique_ptr<AlgorithmExecutionListener> m_executions;
};

} // namespace

TEST_F(QueryTest, TableHoldsEveryCombinationOfInputValuesAndThePredictions)
{
  makeQuery();
  m_variables->vary("Thickness", { 1.5, 2.5 }, 3);
  m_variables->vary("Load", { 15.0, 35.0 }, 2);
  m_variables->show("Stress");
  vtkTable* result = table();
  EXPECT_TRUE(m_query->getLastError().empty()) << m_query->getLastError();
  ASSERT_EQ(result->GetNumberOfRows(), 6);
  std::vector<std::string> columns;
  for (vtkIdType c = 0; c < result->GetNumberOfColumns(); ++c)
    columns.push_back(result->GetColumn(c)->GetName());
  EXPECT_EQ(columns,
    (std::vector<std::string>{
      "Case ID", "Thickness", "Grade", "Load", "Stress", "Cost", "Note" }));
  const double thickness[] = { 1.5, 1.5, 2.0, 2.0, 2.5, 2.5 };
  const double load[] = { 15.0, 35.0, 15.0, 35.0, 15.0, 35.0 };
  for (vtkIdType row = 0; row < 6; ++row)
  {
    EXPECT_EQ(result->GetValue(row, 0).ToTypeInt64(), 0);
    EXPECT_EQ(cell(row, "Thickness"), thickness[row]);
    EXPECT_EQ(cell(row, "Load"), load[row]);
    EXPECT_EQ(cell(row, "Stress"),
      m_manager->predict(plateVariable("Stress").id(), { thickness[row], load[row] })[0]);
    EXPECT_NEAR(cell(row, "Stress"), plateStress(thickness[row], load[row]), 0.1);
    EXPECT_NEAR(cell(row, "Cost"), thickness[row] * 4.0 + load[row], 1e-6);
    EXPECT_TRUE(std::isnan(cell(row, "Grade")));
    EXPECT_TRUE(std::isnan(cell(row, "Note")));
  }
}

TEST_F(QueryTest, InputsTakeTheMiddleOfTheFilteredRangeOrTheUsersPointsAndAGridOneValueEach)
{
  makeQuery();
  m_variables->vary("Thickness", { 1.0, 3.0 }, 5);
  EXPECT_EQ(table()->GetNumberOfRows(), 5);
  EXPECT_EQ(cell(3, "Load"), m_manager->defaultInputValue(plateVariable("Load").id()));

  SurrogateModelUserDistCollection collection;
  collection.setDistribution("Load", 1, { 12.0, 20.0, 30.0 });
  m_collection->setValue(collection);
  EXPECT_EQ(table()->GetNumberOfRows(), 15);
  EXPECT_EQ(cell(0, "Load"), 12.0);
  EXPECT_EQ(cell(1, "Load"), 20.0);
  EXPECT_EQ(cell(3, "Thickness"), 1.5);

  // Mode 0 keeps the points but uses the default again.
  collection.setDistribution("Load", 0, { 12.0, 20.0, 30.0 });
  m_collection->setValue(collection);
  EXPECT_EQ(table()->GetNumberOfRows(), 5);

  // The grid flag keeps one value per fixed input and takes the user's points for varied ones.
  makeQuery(InterpolationVariablesAbstract::gridFlag);
  m_variables->vary("Thickness", { 1.0, 3.0 }, 100);
  SurrogateModelUserDistCollection grid;
  grid.setDistribution("Load", 1, { 30.0, 12.0, 20.0, 10.0 });
  grid.setDistribution("Thickness", 1, { 1.0, 1.5, 2.0, 2.25, 2.5, 2.75, 3.0 });
  m_collection->setValue(grid);
  EXPECT_EQ(table()->GetNumberOfRows(), 7);
  EXPECT_EQ(cell(6, "Thickness"), 3.0);
  EXPECT_EQ(cell(0, "Load"), 16.0);
  EXPECT_TRUE(m_variables->isVariableEmployed(plateVariable("Thickness")));
  EXPECT_FALSE(m_variables->isVariableEmployed(plateVariable("Load")));
}

TEST_F(QueryTest, ExecutesOnlyWhenModelsOrSamplesChange)
{
  makeQuery();
  m_variables->vary("Thickness", { 1.0, 3.0 }, 4);
  EXPECT_TRUE(executed());
  EXPECT_FALSE(executed());

  // Announcements that change nothing, and edits outside the models, leave it alone.
  m_variables->vary("Thickness", { 1.0, 3.0 }, 4);
  setValue(2, "Note", 5.0);
  m_variables->suspend();
  m_variables->resume();
  EXPECT_FALSE(executed());

  m_variables->vary("Thickness", { 1.0, 2.0 }, 4);
  EXPECT_TRUE(executed());
  setValue(2, "Stress", 5.0);
  EXPECT_TRUE(executed());
  // A filter moving the default of the fixed Load re-samples.
  m_pipeline->addFilter(boost::make_shared<RangeFilter>(plateVariable("Load"), 10.0, 20.0));
  EXPECT_TRUE(executed());
  EXPECT_FALSE(executed());

  // While suspended the plot's own changes are not announced; resuming catches up.
  m_variables->suspend();
  m_variables->vary("Thickness", { 1.0, 3.0 }, 4);
  m_variables->resume();
  EXPECT_TRUE(executed());
}

TEST_F(QueryTest, FailuresGiveTheErrorTextOfShownOutputsOnly)
{
  loadPlateProject(3);
  makeQuery();
  m_variables->vary("Thickness", { 1.0, 3.0 }, 4);
  EXPECT_EQ(table()->GetNumberOfRows(), 4);
  EXPECT_EQ(m_query->getLastError(),
    "Too few cases for a surrogate model of \"Stress\": 3 cases have values of it and of all 2 "
    "inputs; at least 4 are needed.");
  EXPECT_TRUE(std::isnan(cell(0, "Stress")));

  loadPlateProject();
  m_variables->show("Stress");
  EXPECT_TRUE(executed());
  EXPECT_TRUE(m_query->getLastError().empty());

  // Cost has too few complete cases; the plot showing Stress does not care.
  for (uint64_t caseId = 1; caseId <= 28; ++caseId)
    setValue(caseId, "Cost", Variant::null());
  EXPECT_TRUE(m_query->getLastError().empty()) << m_query->getLastError();
  EXPECT_TRUE(std::isnan(cell(0, "Cost")));
  m_variables->show("Cost");
  table();
  EXPECT_NE(m_query->getLastError().find("\"Cost\""), std::string::npos);

  m_variables->show("Note");
  loadPlateProject();
  table();
  EXPECT_EQ(m_query->getLastError(),
    "\"Note\" is not an output of the surrogate models: only dependent numeric variables are.");
}

TEST_F(QueryTest, CsvHoldsHeaderAndShortestExactNumbers)
{
  makeQuery();
  m_variables->vary("Thickness", { 0.1, 0.3 }, 3);
  m_variables->vary("Load", { 10.0, 10.0 }, 1);
  const std::string path = QDir(testsupport::testOutputDir()).filePath("query.csv").toStdString();
  ASSERT_TRUE(SurrogateModelCSVExporter().writeCSVFile(m_query, path));

  std::ifstream file(path);
  std::string line;
  std::getline(file, line);
  EXPECT_EQ(line, "Case ID,Thickness,Grade,Load,Stress,Cost,Note");
  std::getline(file, line);
  EXPECT_EQ(line.rfind("0,0.1,NaN,10,", 0), 0u) << line;
  vtkTable* result = table();
  for (vtkIdType row = 0; row < 3; ++row)
  {
    if (row)
      std::getline(file, line);
    std::stringstream fields(line);
    std::string field;
    for (vtkIdType c = 0; std::getline(fields, field, ','); ++c)
    {
      const double expected = result->GetValue(row, c).ToDouble();
      double read = 0.0;
      if (std::isnan(expected))
        EXPECT_EQ(field, "NaN");
      else
      {
        ASSERT_EQ(parseRealNumber(field, read), NumberTextStatus::Ok) << field;
        EXPECT_EQ(read, expected) << "row " << row << " column " << c;
        EXPECT_LE(field.size(), 24u);
      }
    }
  }
  EXPECT_FALSE(std::getline(file, line));
  EXPECT_FALSE(SurrogateModelCSVExporter().writeCSVFile(m_query, "/nonexistent/folder/a.csv"));
}
