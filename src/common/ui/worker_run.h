// Runs a window's method on a worker thread while the window stays alive: it repaints, its
// clock ticks, and after a moment a progress bar and a 取消 button show how far the method
// has come. The window's thread keeps everything that is a widget: a box the method asks
// for is shown by the window's thread while the worker waits for the answer
// (WindowThreadDialogs), and whatever the method leaves behind is taken up by the `done`
// step, which also runs on the window's thread once the worker has ended.
//
// The rule for data the method fills (the result buffer, the chart and step records, the
// plot hand-over record): the worker writes it while it runs; the window's thread reads it
// only while the worker waits for a box or on the window's thread (OnWindowThread), and
// after the run has ended.
#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "common/dialogs.h"
#include "common/progress.h"

class QEventLoop;
class QKeyEvent;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tessaly {

class WorkerRun : public QObject {
  Q_OBJECT
 public:
  // `owner` is the window; `bar` and `cancel` are its progress bar and 取消 button (hidden
  // until a run has taken longer than kShowAfterMs).
  WorkerRun(QObject* owner, QProgressBar* bar, QPushButton* cancel);
  ~WorkerRun() override;

  static constexpr int kShowAfterMs = 300;

  bool Running() const { return running_; }
  Progress& RunProgress() { return progress_; }

  // Runs `work` on a worker thread, then `done` on this (the window's) thread, and returns
  // once both have ended; the window's events are served meanwhile. `done` is given the
  // exception `work` ended with, if any. Not re-entered: a caller checks Running().
  void Run(std::function<void()> work, std::function<void(std::exception_ptr)> done);
  // Asks the running method to stop at its next progress point.
  void Cancel();
  // Serves events until the run has ended (at once when none runs).
  void WaitUntilEnded();
  // Closing a window: cancels its running method and waits until it has ended.
  void CancelAndWait();
  // Esc cancels a running method; true when it took the key for that.
  bool TakeEscape(const QKeyEvent* event);

  // Cancels the methods running in every window and returns once all have ended (the
  // windows' events are served meanwhile).
  static void CancelAll();

  // Runs `fn` on the owner's thread and waits for it (directly when already there). From the
  // worker, throws MethodCancelled instead when the run was cancelled before `fn` could run.
  void OnWindowThread(const std::function<void()>& fn);

 signals:
  void ended();

 private:
  void ShowProgress();
  void HideProgress();
  // Hands `fn` from the worker to the window's thread, which runs it from its event loop.
  void Post(std::function<void()> fn);
  Q_INVOKABLE void RunPending();

  QObject* owner_;
  QPointer<QProgressBar> bar_;
  QPointer<QPushButton> cancel_;
  QTimer* showTimer_;
  QTimer* pollTimer_;
  Progress progress_;
  std::thread worker_;
  bool running_ = false;
  QEventLoop* loop_ = nullptr;
  std::mutex pendingMutex_;
  std::deque<std::function<void()>> pending_;
};

// Passes every box on to another Dialogs on the window's thread, the asking thread
// waiting for the answer. A box asked for after the user cancelled is not shown: the method
// ends there (MethodCancelled), as at a progress point.
class WindowThreadDialogs : public Dialogs {
 public:
  WindowThreadDialogs(WorkerRun& run, Dialogs& inner) : run_(run), inner_(inner) {}
  std::string InputBox(std::string_view prompt, std::string_view title = {},
                       std::string_view defaultText = {}) override;
  MsgResult MsgBox(std::string_view text, MsgButtons buttons = MsgButtons::Ok,
                   MsgIcon icon = MsgIcon::None, std::string_view title = {},
                   MsgDefault defaultButton = MsgDefault::First) override;

 private:
  WorkerRun& run_;
  Dialogs& inner_;
};

}  // namespace tessaly
