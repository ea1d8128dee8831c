#include "apps/explorer/ValueDistributionEditor.h"
#include "host/core/ExceptionBase.h"
#include "tests/host/surrogate/SurrogateFixture.h"
#include "tests/support/ErrorText.h"

#include <QTableWidget>

namespace
{

int rowOf(const ValueDistributionDialog& dialog, const QString& name)
{
  for (int row = 0; row < dialog.table().rowCount(); ++row)
    if (dialog.table().item(row, 0)->text() == name)
      return row;
  return -1;
}

} // namespace

TEST(ValueDistributionEditorTest, PointsReadByTheNumberRule)
{
  EXPECT_EQ(parseDistributionPoints(" 1, 2.5;3\t1e-3 "), (std::vector<double>{ 1, 2.5, 3, 1e-3 }));
  EXPECT_TRUE(parseDistributionPoints("").empty());
  EXPECT_EQ(distributionPointsText({ 0.1, 2, -1e-300 }), "0.1 2 -1e-300");
  for (const char* bad : { "1 x", "nan", "1e999", "0x10" })
    EXPECT_NE(testsupport::errorOf<vantor::ExceptionBase>([&] { parseDistributionPoints(bad); })
                .find("is not a finite number"),
      std::string::npos)
      << bad;
}

TEST(ValueDistributionEditorTest, DialogEditsOneRowPerIndependentNumberAndKeepsOthers)
{
  loadPlateProject();
  SurrogateModelUserDistCollection collection;
  collection.setDistribution("Load", 1, { 12.0, 20.0 });
  collection.setDistribution("Removed", 1, { 1.0 });
  ValueDistributionDialog dialog(collection);
  QStringList names;
  for (int row = 0; row < dialog.table().rowCount(); ++row)
    names << dialog.table().item(row, 0)->text();
  EXPECT_EQ(names, (QStringList{ "Thickness", "Grade", "Load", "Removed" }));
  const int load = rowOf(dialog, "Load");
  EXPECT_EQ(dialog.table().item(load, 1)->checkState(), Qt::Checked);
  EXPECT_EQ(dialog.table().item(load, 2)->text(), "12 20");
  EXPECT_EQ(dialog.collection(), collection);

  const int thickness = rowOf(dialog, "Thickness");
  dialog.table().item(thickness, 1)->setCheckState(Qt::Checked);
  dialog.table().item(thickness, 2)->setText("1, 1.5, 2");
  dialog.table().item(load, 1)->setCheckState(Qt::Unchecked);
  const SurrogateModelUserDistCollection edited = dialog.collection();
  EXPECT_EQ(edited.getMode("Thickness"), 1);
  EXPECT_EQ(edited.getUserDistributionPoints("Thickness"), (std::vector<double>{ 1, 1.5, 2 }));
  EXPECT_EQ(edited.getMode("Load"), 0) << "switched off, points kept";
  EXPECT_EQ(edited.getUserDistributionPoints("Load").size(), 2u);
  EXPECT_EQ(edited.getMode("Removed"), 1);

  dialog.table().item(thickness, 2)->setText("");
  EXPECT_THROW(dialog.collection(), vantor::ExceptionBase) << "used without points";
  dialog.table().item(thickness, 2)->setText("1 two");
  EXPECT_EQ(testsupport::errorOf<vantor::ExceptionBase>([&] { dialog.collection(); }),
    "Points of Thickness: \"two\" is not a finite number.");
}

TEST(ValueDistributionEditorTest, SummaryFollowsTheProperty)
{
  auto property = boost::make_shared<vantor::Property<SurrogateModelUserDistCollection>>();
  ValueDistributionEditor editor(property);
  EXPECT_EQ(editor.summary(), "Middle of the filtered ranges");
  SurrogateModelUserDistCollection collection;
  collection.setDistribution("Thickness", 1, { 1, 2, 3, 4, 5, 6, 7 });
  collection.setDistribution("Load", 0, { 1 });
  property->setValue(collection);
  EXPECT_EQ(editor.summary(), "Thickness: 7 points");
}
