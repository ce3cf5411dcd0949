// The reference for start-up and memory: the least a Qt 6 program with the
// same kind of window does, a frameless window of the chat window's size
// holding one QTextEdit where the transcript sits.

#include <QApplication>
#include <QTextEdit>
#include <QWidget>

#include "bench/first_paint_watch.h"

namespace {

// The chat window's size and its transcript's place, without linking the
// program to read them.
constexpr int kWindowWidth = 549;
constexpr int kWindowHeight = 591;
constexpr QRect kTranscriptPlace(10, 109, 381, 249);

}  // namespace

int main(int argc, char** argv) {
  const int restMs = chatmock::bench::RestMsFromArguments(argc, argv);
  QApplication application(argc, argv);
  const chatmock::bench::FirstPaintWatch watch(restMs);
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setFixedSize(kWindowWidth, kWindowHeight);
  QTextEdit edit(&window);
  edit.setGeometry(kTranscriptPlace);
  window.show();
  return QApplication::exec();
}
