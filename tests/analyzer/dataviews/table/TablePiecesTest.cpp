#include "analyzer/dataviews/table/RemoveHiddenColumns.h"

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
