#include "analyzer/dataviews/table/ColumnOrder.h"
#include "analyzer/dataviews/table/RemoveHiddenColumns.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>
#include <vtkDoubleArray.h>
#include <vtkNew.h>
#include <vtkTable.h>

TEST(RemoveHiddenColumns, DropsOnlyTripleBangColumnsAndSharesData)
{
  vtkNew<vtkTable> table;
  for (const char* name : { "Case ID", "x!!!mask", "!!", "!!!", "y" })
  {
    vtkNew<vtkDoubleArray> column;
    column->SetName(name);
    column->SetNumberOfValues(2);
    table->AddColumn(column);
  }
  vtkNew<RemoveHiddenColumns> filter;
  filter->SetInputData(table);
  filter->Update();
  vtkTable* output = filter->GetOutput();
  ASSERT_EQ(output->GetNumberOfColumns(), 3);
  EXPECT_STREQ(output->GetColumn(0)->GetName(), "Case ID");
  EXPECT_STREQ(output->GetColumn(1)->GetName(), "!!");
  EXPECT_STREQ(output->GetColumn(2)->GetName(), "y");
  EXPECT_EQ(output->GetColumn(2), table->GetColumnByName("y"));
}

TEST(ColumnOrder, SurvivesAFreshHeader)
{
  auto makeModel = []
  {
    auto* model = new QStandardItemModel(1, 4);
    model->setHorizontalHeaderLabels({ "Case ID", "a", "b", "c" });
    return model;
  };
  QTableView original;
  original.setModel(makeModel());
  original.horizontalHeader()->moveSection(3, 1);
  const std::vector<std::string> saved = columnOrder(*original.horizontalHeader());
  EXPECT_EQ(saved, (std::vector<std::string>{ "Case ID", "c", "a", "b" }));

  QTableView restored;
  restored.setModel(makeModel());
  setColumnOrder(*restored.horizontalHeader(), saved);
  EXPECT_EQ(columnOrder(*restored.horizontalHeader()), saved);
  delete original.model();
  delete restored.model();
}
