#include "apps/explorer/SelectCasesDialog.h"

#include "apps/explorer/CommandLine.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SelectCasesDialog::SelectCasesDialog(QWidget* parent)
  : QDialog(parent)
{
  setWindowTitle(QStringLiteral("Select Cases"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Case ids and ranges, as in 1,5,10-20:"), this));
  m_text = new QLineEdit(this);
  layout->addWidget(m_text);
  m_problem = new QLabel(this);
  m_problem->setWordWrap(true);
  m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
  layout->addWidget(m_problem);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &SelectCasesDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SelectCasesDialog::reject);
  connect(m_text, &QLineEdit::textEdited, m_problem, &QLabel::clear);
  resize(420, sizeHint().height());
}

void SelectCasesDialog::setText(const QString& text)
{
  m_text->setText(text);
}

QString SelectCasesDialog::text() const
{
  return m_text->text();
}

QString SelectCasesDialog::problem() const
{
  return m_problem->text();
}

void SelectCasesDialog::accept()
{
  try
  {
    m_ids = CommandLine::parseCaseIds(m_text->text());
  }
  catch (const CommandLineError& error)
  {
    m_problem->setText(QString::fromStdString(error.message()));
    m_text->setFocus();
    return;
  }
  QDialog::accept();
}
