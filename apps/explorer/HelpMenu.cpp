#include "apps/explorer/HelpMenu.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>
#include <vtkVersion.h>

namespace
{

QString withoutAccelerator(QString text)
{
  return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))).remove(QStringLiteral("..."));
}

void collect(const QMenu& menu, const QString& path, std::vector<HelpMenu::Shortcut>& found)
{
  for (QAction* action : menu.actions())
  {
    const QString name = path + QStringLiteral(" > ") + withoutAccelerator(action->text());
    if (action->menu())
      collect(*action->menu(), name, found);
    else if (!action->shortcut().isEmpty())
      found.push_back({ name, action->shortcut().toString(QKeySequence::NativeText) });
  }
}

} // namespace

HelpMenu::HelpMenu(QMainWindow& window)
  : QObject(&window)
  , m_window(window)
{
  QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("&Keyboard Shortcuts"), this, &HelpMenu::showShortcuts);
  help->addAction(QStringLiteral("&About Vantor Explorer"), this, &HelpMenu::showAbout);
}

std::vector<HelpMenu::Shortcut> HelpMenu::shortcuts(const QMenuBar& bar)
{
  std::vector<Shortcut> found;
  for (QAction* action : bar.actions())
    if (action->menu())
      collect(*action->menu(), withoutAccelerator(action->text()), found);
  return found;
}

QString HelpMenu::aboutText()
{
  return QStringLiteral("<p><b>Vantor Explorer</b></p>"
                        "<p>Interactive, linked views of case data.</p>"
                        "<p>Vantor Data Views %1<br>Qt %2 (built with %3)<br>VTK %4</p>")
    .arg(QStringLiteral(VANTOR_VERSION),
      QString::fromLatin1(qVersion()),
      QStringLiteral(QT_VERSION_STR),
      QString::fromLatin1(vtkVersion::GetVTKVersion()));
}

void HelpMenu::showShortcuts()
{
  QDialog dialog(&m_window);
  dialog.setWindowTitle(QStringLiteral("Keyboard Shortcuts"));
  auto* layout = new QVBoxLayout(&dialog);
  const auto found = shortcuts(*m_window.menuBar());
  auto* table = new QTableWidget(static_cast<int>(found.size()), 2, &dialog);
  table->setHorizontalHeaderLabels({ "Action", "Keys" });
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  for (int row = 0; row < table->rowCount(); ++row)
  {
    table->setItem(row, 0, new QTableWidgetItem(found[static_cast<std::size_t>(row)].action));
    table->setItem(row, 1, new QTableWidgetItem(found[static_cast<std::size_t>(row)].keys));
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(table);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.resize(480, 440);
  dialog.exec();
}

void HelpMenu::showAbout()
{
  QMessageBox::about(&m_window, QStringLiteral("About Vantor Explorer"), aboutText());
}
