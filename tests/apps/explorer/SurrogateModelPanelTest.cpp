#include "apps/explorer/SurrogateModelPanel.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "apps/explorer/ExplorerWindow.h"
#include "tests/host/surrogate/SurrogateFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace
{

QStringList row(const SurrogateModelPanel& panel, int index)
{
  QStringList texts;
  const QTreeWidgetItem* item = panel.list().topLevelItem(index);
  for (int column = 0; item && column < panel.list().columnCount(); ++column)
    texts << item->text(column);
  return texts;
}

} // namespace

TEST_F(SurrogateTest, PanelListsEachOutputWithItsModelAndFollowsChangesWhileShown)
{
  SurrogateModelPanel panel;
  panel.setManager(m_manager);
  EXPECT_EQ(panel.list().topLevelItemCount(), 0) << "nothing is fitted for a hidden panel";
  panel.show();
  ASSERT_EQ(panel.list().topLevelItemCount(), 2);
  const QStringList stress = row(panel, 0);
  EXPECT_EQ(stress[0], "Stress");
  EXPECT_TRUE(stress[1].endsWith(" %")) << stress[1].toStdString();
  EXPECT_GT(stress[1].chopped(2).toDouble(), 0.0);
  EXPECT_LT(stress[1].chopped(2).toDouble(), 5.0);
  EXPECT_EQ(stress.mid(2), (QStringList{ "Radial basis function", "30", "Thickness, Load" }));
  EXPECT_EQ(row(panel, 1)[3], "20");

  loadPlateProject(3);
  EXPECT_EQ(row(panel, 0).mid(1, 3),
    (QStringList{
      "Too few cases for a surrogate model of \"Stress\": 3 cases have values of it and of all 2 "
      "inputs; at least 4 are needed.",
      "No model",
      "" }));

  panel.showViewError("3D Scatter Plot: no model");
  EXPECT_EQ(panel.viewError(), "3D Scatter Plot: no model");
  panel.setManager(nullptr);
  EXPECT_EQ(panel.list().topLevelItemCount(), 0);
  EXPECT_TRUE(panel.viewError().isEmpty());
}

TEST(SurrogateModelPanelWindowTest, ExplorerListsTheSampleModelsAndExportsTheShownSurface)
{
  ExplorerWindow window(ExplorerWindow::Mode::Batch);
  ASSERT_TRUE(window.openSample());
  window.show();
  window.surrogatePanel().show();
  QStringList outputs;
  for (int i = 0; i < window.surrogatePanel().list().topLevelItemCount(); ++i)
    outputs << row(window.surrogatePanel(), i)[0] + ": " + row(window.surrogatePanel(), i)[2];
  EXPECT_EQ(outputs,
    (QStringList{ "Deflection [mm]: Radial basis function",
      "Stress [MPa]: Radial basis function",
      "Mass [kg]: Radial basis function" }));

  // The surface goes beside the plot's picture only while shown.
  auto plot = boost::dynamic_pointer_cast<ScatterPlot3DInterface>(window.addView("scatter3d"));
  ASSERT_TRUE(plot);
  ASSERT_TRUE(plot->derivedDataRelevance()->value()) << "inputs on x and y, an output on z";
  QTemporaryDir dir;
  QStringList written = window.exportViews(dir.path());
  EXPECT_FALSE(written.contains(QDir(dir.path()).filePath("scatter3d.csv")));

  plot->derivedDataShow()->setValue(true);
  written = window.exportViews(dir.path());
  EXPECT_TRUE(written.contains(QDir(dir.path()).filePath("scatter3d.png")));
  QFile csv(QDir(dir.path()).filePath("scatter3d.csv"));
  ASSERT_TRUE(written.contains(csv.fileName()));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_TRUE(csv.readLine().startsWith("Case ID,Length [m],Width [mm],"));
  EXPECT_TRUE(window.problems().isEmpty()) << window.problems().join('\n').toStdString();
}
