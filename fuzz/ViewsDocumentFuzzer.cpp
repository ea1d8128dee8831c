// Restores any bytes as a views document into the explorer's window (batch mode, offscreen),
// whose manager makes every kind of view this build has. Problems are reported by the window;
// anything else (a crash, an escaping exception, a sanitizer report) is a finding.
#include "apps/explorer/ExplorerWindow.h"
#include "fuzz/FuzzInput.h"

#include <QApplication>
#include <cstdlib>
#include <memory>

namespace
{

std::unique_ptr<QApplication> application;
std::unique_ptr<ExplorerWindow> window;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
  qputenv("QT_QPA_PLATFORM", "offscreen");
  application = std::make_unique<QApplication>(*argc, *argv);
  window = std::make_unique<ExplorerWindow>(ExplorerWindow::Mode::Batch);
  // Gone before the statics made since (the undo stack among them), which its end still uses.
  std::atexit(
    []
    {
      window.reset();
      application.reset();
    });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
  // A fresh project and manager for each input: a manager keeps the views it removed (for
  // undo) until it goes, so reusing one would let earlier inputs slow the later ones.
  window->openSample();
  window->loadViews(writeFuzzInput(data, size, "views.xml"));
  // No event loop runs here: without this, widgets deleted later would pile up across inputs.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return 0;
}
