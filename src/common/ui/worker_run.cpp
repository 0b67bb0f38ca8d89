#include "common/ui/worker_run.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <condition_variable>
#include <mutex>

namespace tessaly {

WorkerRun::WorkerRun(QObject* owner, QProgressBar* bar, QPushButton* cancel)
    : QObject(owner), owner_(owner), bar_(bar), cancel_(cancel) {
  showTimer_ = new QTimer(this);
  showTimer_->setSingleShot(true);
  showTimer_->setInterval(kShowAfterMs);
  connect(showTimer_, &QTimer::timeout, this, &WorkerRun::ShowProgress);
  pollTimer_ = new QTimer(this);
  pollTimer_->setInterval(50);
  connect(pollTimer_, &QTimer::timeout, this, [this] {
    if (!bar_) return;
    const int64_t total = progress_.Total();
    if (total <= 0) {
      bar_->setRange(0, 0);  // a busy bar
      return;
    }
    // The bar counts in thousandths, whatever the method's units.
    bar_->setRange(0, 1000);
    bar_->setValue(static_cast<int>(std::min<int64_t>(1000, progress_.Done() * 1000 / total)));
  });
  if (cancel_) connect(cancel_, &QPushButton::clicked, this, &WorkerRun::Cancel);
}

WorkerRun::~WorkerRun() {
  // A window is never destroyed while its method runs (closing waits for the run), but
  // the thread must never be left joinable.
  if (worker_.joinable()) {
    progress_.Cancel();
    worker_.join();
  }
}

void WorkerRun::HideProgress() {
  showTimer_->stop();
  pollTimer_->stop();
  if (bar_) bar_->hide();
  if (cancel_) cancel_->hide();
}

void WorkerRun::ShowProgress() {
  if (!running_) return;
  if (bar_) {
    bar_->setRange(0, 0);
    bar_->show();
  }
  if (cancel_) cancel_->show();
  pollTimer_->start();
}

void WorkerRun::Run(std::function<void()> work, std::function<void(std::exception_ptr)> done) {
  progress_.Reset();
  running_ = true;
  auto failure = std::make_shared<std::exception_ptr>();
  QEventLoop loop;
  loop_ = &loop;
  auto end = [this, failure, done = std::move(done)] {
    worker_.join();
    HideProgress();
    done(*failure);
    running_ = false;
    if (loop_) loop_->quit();
    loop_ = nullptr;
    emit ended();
  };
  worker_ = std::thread([this, failure, work = std::move(work), end = std::move(end)] {
    try {
      work();
    } catch (...) {
      *failure = std::current_exception();
    }
    Post(end);
  });
  showTimer_->start();
  // Nothing of the window may be touched after this loop: it may be closing by then.
  loop.exec();
}

void WorkerRun::Post(std::function<void()> fn) {
  {
    std::lock_guard lock(pendingMutex_);
    pending_.push_back(std::move(fn));
  }
  // Called by name, the call carries nothing the worker wrote: what it hands over travels
  // under the lock above, which the race checker sees (Qt's own lock it cannot see).
  QMetaObject::invokeMethod(this, "RunPending", Qt::QueuedConnection);
}

void WorkerRun::RunPending() {
  std::function<void()> fn;
  {
    std::lock_guard lock(pendingMutex_);
    if (pending_.empty()) return;
    fn = std::move(pending_.front());
    pending_.pop_front();
  }
  fn();
}

void WorkerRun::Cancel() {
  if (running_) progress_.Cancel();
}

void WorkerRun::WaitUntilEnded() {
  if (!running_) return;
  QEventLoop wait;
  connect(this, &WorkerRun::ended, &wait, &QEventLoop::quit);
  wait.exec();
}

void WorkerRun::CancelAndWait() {
  Cancel();
  WaitUntilEnded();
}

bool WorkerRun::TakeEscape(const QKeyEvent* event) {
  if (!running_ || event->key() != Qt::Key_Escape) return false;
  Cancel();
  return true;
}

void WorkerRun::CancelAll() {
  QList<QPointer<WorkerRun>> runs;
  for (QWidget* window : QApplication::topLevelWidgets())
    for (WorkerRun* run : window->findChildren<WorkerRun*>())
      if (run->Running()) {
        run->Cancel();
        runs.push_back(run);
      }
  for (const QPointer<WorkerRun>& run : runs)
    if (run) run->WaitUntilEnded();
}

void WorkerRun::OnWindowThread(const std::function<void()>& fn) {
  if (QThread::currentThread() == owner_->thread()) {
    fn();
    return;
  }
  // The worker waits on a standard lock, so that what `fn` wrote is ordered before the worker
  // reads it in a way the race checker sees too.
  std::mutex m;
  std::condition_variable cv;
  bool ran = false, skipped = false;
  Post([&] {
    // A run cancelled while the call waited its turn (the window closing) shows no box.
    if (progress_.Cancelled()) {
      skipped = true;
    } else {
      // The time the user spends on a box is not the method's: its progress shows again
      // only after the method has worked another moment without one.
      HideProgress();
      fn();
      if (running_) showTimer_->start();
    }
    std::lock_guard lock(m);
    ran = true;
    cv.notify_one();
  });
  std::unique_lock lock(m);
  cv.wait(lock, [&] { return ran; });
  if (skipped) throw MethodCancelled{};
}

std::string WindowThreadDialogs::InputBox(std::string_view prompt, std::string_view title,
                                          std::string_view defaultText) {
  if (run_.RunProgress().Cancelled()) throw MethodCancelled{};
  std::string answer;
  run_.OnWindowThread([&] { answer = inner_.InputBox(prompt, title, defaultText); });
  return answer;
}

MsgResult WindowThreadDialogs::MsgBox(std::string_view text, MsgButtons buttons, MsgIcon icon,
                                      std::string_view title, MsgDefault defaultButton) {
  if (run_.RunProgress().Cancelled()) throw MethodCancelled{};
  MsgResult answer = MsgResult::Ok;
  run_.OnWindowThread(
      [&] { answer = inner_.MsgBox(text, buttons, icon, title, defaultButton); });
  return answer;
}

}  // namespace tessaly
