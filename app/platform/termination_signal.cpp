#include "platform/termination_signal.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

namespace ruzdo {
namespace {

int signalPipe[2] = {-1, -1};

// A signal handler may only do async-signal-safe things: it writes one byte,
// and the event loop reads it.
void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

void CloseOnTerminationSignal(QWidget* window) {
  if (signalPipe[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, window);
  QObject::connect(notifier, &QSocketNotifier::activated, window,
                   [target = QPointer<QWidget>(window)] {
                     char byte = 0;
                     [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &byte, 1);
                     if (target) target->close();
                   });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace ruzdo
