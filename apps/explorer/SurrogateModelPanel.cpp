#include "apps/explorer/SurrogateModelPanel.h"

#include "host/project/Variable.h"
#include "host/surrogate/SurrogateModelManagerInterface.h"

#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QStringList>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

// The long list of inputs comes last, so that a narrow panel shows the error first.
enum Column
{
  OutputColumn,
  ErrorColumn,
  KindColumn,
  CasesColumn,
  InputsColumn
};

QString variableNames(const std::vector<WeakPtr<Variable>>& variables)
{
  QStringList names;
  for (const auto& variable : variables)
    if (const auto locked = variable.lock())
      names << QString::fromStdString(locked->name());
  return names.join(QStringLiteral(", "));
}

QTreeWidgetItem* itemOf(const SurrogateModelManagerInterface::ModelSummary& summary)
{
  auto* item = new QTreeWidgetItem;
  const auto output = summary.output.lock();
  item->setText(OutputColumn, output ? QString::fromStdString(output->name()) : QString());
  item->setText(InputsColumn, variableNames(summary.inputs));
  item->setToolTip(InputsColumn, item->text(InputsColumn));
  if (!summary.error.empty())
  {
    item->setText(KindColumn, QStringLiteral("No model"));
    item->setText(ErrorColumn, QString::fromStdString(summary.error));
    item->setToolTip(ErrorColumn, QString::fromStdString(summary.error));
    return item;
  }
  item->setText(CasesColumn, QString::number(summary.casesUsed));
  item->setText(KindColumn, QString::fromStdString(summary.kind));
  if (!summary.fallbackReason.empty())
    item->setToolTip(KindColumn,
      QStringLiteral("Used because %1.").arg(QString::fromStdString(summary.fallbackReason)));
  item->setText(
    ErrorColumn, QStringLiteral("%1 %").arg(summary.crossValidatedError * 100.0, 0, 'g', 3));
  item->setToolTip(ErrorColumn,
    QStringLiteral("Leave-one-out root mean square error, in percent of the output's range"));
  return item;
}

} // namespace

SurrogateModelPanel::SurrogateModelPanel(QWidget* parent)
  : QWidget(parent)
  , m_list(new QTreeWidget(this))
  , m_viewError(new QLabel(this))
{
  m_list->setRootIsDecorated(false);
  m_list->setHeaderLabels({ QStringLiteral("Output"),
    QStringLiteral("Cross-validated error"),
    QStringLiteral("Model"),
    QStringLiteral("Cases"),
    QStringLiteral("Inputs") });
  m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_viewError->setWordWrap(true);
  m_viewError->hide();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_list);
  layout->addWidget(m_viewError);
}

SurrogateModelPanel::~SurrogateModelPanel() = default;

void SurrogateModelPanel::setManager(
  boost::shared_ptr<const SurrogateModelManagerInterface> manager)
{
  m_connection.disconnect();
  m_manager = std::move(manager);
  if (m_manager)
    m_connection = m_manager->signalModelsChanged.connect([this] { modelsChanged(); });
  showViewError(QString());
  modelsChanged();
}

void SurrogateModelPanel::showViewError(const QString& text)
{
  m_viewError->setText(text);
  m_viewError->setVisible(!text.isEmpty());
}

QString SurrogateModelPanel::viewError() const
{
  return m_viewError->text();
}

void SurrogateModelPanel::showEvent(QShowEvent* event)
{
  QWidget::showEvent(event);
  if (m_stale)
    refresh();
}

void SurrogateModelPanel::modelsChanged()
{
  m_stale = true;
  if (isVisible())
    refresh();
}

void SurrogateModelPanel::refresh()
{
  m_stale = false;
  m_list->clear();
  if (!m_manager)
    return;
  for (const auto& summary : m_manager->modelSummaries())
    m_list->addTopLevelItem(itemOf(summary));
}
