#include "apps/explorer/PictureExportDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace
{

QSpinBox* pixelBox(int value, QWidget* parent)
{
  auto* box = new QSpinBox(parent);
  box->setRange(16, 8192);
  box->setSuffix(QStringLiteral(" px"));
  box->setValue(value);
  return box;
}

} // namespace

PictureExportDialog::PictureExportDialog(const QString& path, QSize size, QWidget* parent)
  : QDialog(parent)
  , m_path(new QLineEdit(path, this))
  , m_width(pixelBox(size.width(), this))
  , m_height(pixelBox(size.height(), this))
{
  setWindowTitle(QStringLiteral("Export View as PNG"));
  auto* browse = new QPushButton(QStringLiteral("Browse..."), this);
  connect(browse, &QPushButton::clicked, this, &PictureExportDialog::browse);
  auto* file = new QHBoxLayout;
  file->addWidget(m_path);
  file->addWidget(browse);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_path, &QLineEdit::textChanged, this, &PictureExportDialog::updateOk);

  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("File"), file);
  form->addRow(QStringLiteral("Width"), m_width);
  form->addRow(QStringLiteral("Height"), m_height);
  form->addRow(buttons);
  updateOk();
}

QString PictureExportDialog::path() const
{
  QString chosen = m_path->text().trimmed();
  if (!chosen.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
    chosen += QLatin1String(".png");
  return chosen;
}

QSize PictureExportDialog::size() const
{
  return QSize(m_width->value(), m_height->value());
}

void PictureExportDialog::browse()
{
  const QString chosen = QFileDialog::getSaveFileName(
    this, windowTitle(), m_path->text(), QStringLiteral("PNG images (*.png)"));
  if (!chosen.isEmpty())
    m_path->setText(chosen);
}

void PictureExportDialog::updateOk()
{
  m_ok->setEnabled(!m_path->text().trimmed().isEmpty());
}
