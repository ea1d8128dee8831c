#pragma once

#include <QDialog>
#include <cstdint>
#include <set>

class QLabel;
class QLineEdit;

/// Asks for case ids and ranges ("1,5,10-20"). A text that is not such a list keeps the dialog
/// open with the reason shown under the text, which stays as typed.
class SelectCasesDialog : public QDialog
{
  Q_OBJECT

public:
  explicit SelectCasesDialog(QWidget* parent);

  void setText(const QString& text);
  QString text() const;
  /// The ids of the accepted text.
  const std::set<uint64_t>& ids() const { return m_ids; }
  /// Why the text was refused; empty when it was not.
  QString problem() const;
  void accept() override;

private:
  QLineEdit* m_text = nullptr;
  QLabel* m_problem = nullptr;
  std::set<uint64_t> m_ids;
};
