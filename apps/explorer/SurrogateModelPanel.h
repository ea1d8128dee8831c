#pragma once

#include <QWidget>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>

class QLabel;
class QTreeWidget;
class SurrogateModelManagerInterface;

/// Lists the project's surrogate models: each output with its inputs, the cases the model was
/// fitted to, the kind of model (and why interpolation gave way, when it did) and its
/// cross-validated error, or why there is no model. Below them, the last surrogate-model error
/// a view reported. Models are fitted for the list only while the panel is visible.
class SurrogateModelPanel : public QWidget
{
  Q_OBJECT

public:
  explicit SurrogateModelPanel(QWidget* parent = nullptr);
  ~SurrogateModelPanel() override;

  /// Follows the models of the manager; null shows none.
  void setManager(boost::shared_ptr<const SurrogateModelManagerInterface> manager);
  void showViewError(const QString& text);

  QTreeWidget& list() const { return *m_list; }
  QString viewError() const;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void modelsChanged();
  void refresh();

  boost::shared_ptr<const SurrogateModelManagerInterface> m_manager;
  boost::signals2::scoped_connection m_connection;
  QTreeWidget* m_list;
  QLabel* m_viewError;
  bool m_stale = true;
};
