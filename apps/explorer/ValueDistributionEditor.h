#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/surrogate/SurrogateModelUserDistCollection.h"

#include <QDialog>
#include <QWidget>
#include <vector>

class QLabel;
class QTableWidget;

/// Points typed as numbers separated by blanks, commas or semicolons, read by the shared
/// number rule. Throws vantor::ExceptionBase naming the text that is not a number.
std::vector<double> parseDistributionPoints(const QString& text);
/// The points in their shortest exact texts, separated by blanks.
QString distributionPointsText(const std::vector<double>& points);

/// The table behind a plot's "Value Distribution": one row per independent numeric variable
/// (and per variable the collection names that the project no longer has), with whether the
/// user's points are used and the points.
class ValueDistributionDialog : public QDialog
{
  Q_OBJECT

public:
  explicit ValueDistributionDialog(const SurrogateModelUserDistCollection& collection,
    QWidget* parent = nullptr);

  QTableWidget& table() const { return *m_table; }
  /// The collection as edited; throws vantor::ExceptionBase naming the row that does not read.
  SurrogateModelUserDistCollection collection() const;

  void accept() override;

private:
  void addRow(const std::string& name, const SurrogateModelUserDistCollection& collection);

  QTableWidget* m_table;
};

/// The editor row of a plot's "Value Distribution": a summary of the user's points and a button
/// that opens ValueDistributionDialog; accepting it is one undo step.
class ValueDistributionEditor : public QWidget
{
  Q_OBJECT

public:
  ValueDistributionEditor(PropertyPtr<SurrogateModelUserDistCollection> property,
    QWidget* parent = nullptr);

  QString summary() const;

private:
  void showValue();
  void edit();

  PropertyPtr<SurrogateModelUserDistCollection> m_property;
  QLabel* m_summary;
};
