#include "apps/explorer/ImageViewEditors.h"

#include "apps/explorer/PropertyEditors.h"
#include "host/project/Project.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"

#include <QFormLayout>
#include <QListWidget>
#include <QSignalBlocker>

namespace ImageViewEditors
{

namespace
{

using StringList = std::vector<std::string>;

StringList projectGroups()
{
  StringList names;
  for (const TagGroup& group : Project::project().tagGroups())
    names.push_back(group.name());
  return names;
}

void showChoices(QListWidget& list, const StringList& all, const StringList& chosen)
{
  const QSignalBlocker blocker(list);
  list.clear();
  for (const std::string& name : all)
  {
    auto* item = new QListWidgetItem(QString::fromStdString(name), &list);
    const bool isChosen = std::find(chosen.begin(), chosen.end(), name) != chosen.end();
    item->setCheckState(isChosen ? Qt::Checked : Qt::Unchecked);
  }
}

StringList checkedNames(const QListWidget& list)
{
  StringList names;
  for (int row = 0; row < list.count(); ++row)
    if (list.item(row)->checkState() == Qt::Checked)
      names.push_back(list.item(row)->text().toStdString());
  return names;
}

} // namespace

QWidget* makeTagEditor(const ImageViewProperties& properties, bool groups, QWidget* parent)
{
  const auto property = groups ? properties.tagGroupsToShow() : properties.tagsToShow();
  auto* list = new QListWidget(parent);
  list->setMaximumHeight(110);
  auto show = [list, property, groups] {
    showChoices(*list, groups ? projectGroups() : Project::project().allTags(), property->value());
  };
  show();
  new PropertyEditors::ConnectionHolder(
    property->signalValueChanged.connect([show](const StringList&) { show(); }), list);
  QObject::connect(list,
    &QListWidget::itemChanged,
    list,
    [list, property, show]
    {
      if (!PropertyEditors::applyEdit(list, [&] { property->setValue(checkedNames(*list)); }))
        show();
    });
  return list;
}

void addViewSettings(QFormLayout& layout, QWidget& parent, const ImageViewProperties& properties)
{
  layout.addRow(QStringLiteral("Zoom"), PropertyEditors::makeEditor(properties.zoom(), &parent));
  layout.addRow(
    QStringLiteral("Show Labels"), PropertyEditors::makeEditor(properties.showLabels(), &parent));
  layout.addRow(QStringLiteral("Variables In Label"),
    PropertyEditors::makeEditor(properties.variablesInLabel(), &parent));
  layout.addRow(QStringLiteral("Tags To Show"), makeTagEditor(properties, false, &parent));
  layout.addRow(QStringLiteral("Tag Groups To Show"), makeTagEditor(properties, true, &parent));
}

void addLayoutSettings(QFormLayout& layout,
  QWidget& parent,
  const ImageMatrixViewProperties& properties)
{
  const QStringList dimensions = { "Nothing", "Tag", "Variable" };
  layout.addRow(QStringLiteral("Rows By"),
    PropertyEditors::makeEnumEditor(properties.dimensionRowsBy(), dimensions, &parent));
  layout.addRow(
    QStringLiteral("Rows Variable"), PropertyEditors::makeEditor(properties.rowVar(), &parent));
  layout.addRow(QStringLiteral("Columns By"),
    PropertyEditors::makeEnumEditor(properties.dimensionColumnsBy(), dimensions, &parent));
  layout.addRow(QStringLiteral("Columns Variable"),
    PropertyEditors::makeEditor(properties.columnVar(), &parent));
  layout.addRow(QStringLiteral("Pages By"),
    PropertyEditors::makeEnumEditor(properties.dimensionPagesBy(), { "Tag", "Variable" }, &parent));
  layout.addRow(
    QStringLiteral("Pages Variable"), PropertyEditors::makeEditor(properties.pageVar(), &parent));
}

} // namespace ImageViewEditors
