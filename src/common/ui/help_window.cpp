#include "common/ui/help_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

#include "common/help_pages.h"
#include "common/ui/fonts.h"
#include "common/ui/help_resources.h"

namespace tessaly {
namespace {

QPointer<HelpWindow>& TheWindow() {
  static QPointer<HelpWindow> window;
  return window;
}

QUrl PageUrl(const QString& page) { return QUrl("qrc:/help/" + page); }

}  // namespace

HelpWindow* HelpWindow::Current() { return TheWindow().data(); }

HelpWindow* HelpWindow::Open(const QString& page) {
  HelpWindow* w = TheWindow().data();
  if (!w) {
    w = new HelpWindow;
    TheWindow() = w;
  }
  w->ShowPage(page);
  if (w->isMinimized()) w->showNormal();
  w->show();
  w->raise();
  w->activateWindow();
  return w;
}

HelpWindow::HelpWindow() {
  EnsureHelpResources();
  setObjectName("HelpWindow");
  setWindowTitle("Tessaly 帮助");
  // Closing hides the window; the next help shows it again where the reader left it.

  contents_ = new QListWidget(this);
  contents_->setObjectName("Contents");
  QFont listFont = contents_->font();
  listFont.setPointSize(11);
  contents_->setFont(listFont);
  for (const HelpPage& p : HelpPages()) {
    auto* item = new QListWidgetItem(QString::fromUtf8(p.title.data(), p.title.size()), contents_);
    item->setData(Qt::UserRole, QString::fromUtf8(p.file.data(), p.file.size()));
  }
  connect(contents_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    ShowPage(item->data(Qt::UserRole).toString());
  });

  browser_ = new QTextBrowser(this);
  browser_->setObjectName("Browser");
  browser_->setOpenExternalLinks(true);
  QFont f = browser_->font();
  f.setPointSize(11);
  browser_->setFont(f);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SyncContents);

  back_ = new QToolButton(this);
  back_->setObjectName("Back");
  back_->setText("后退");
  back_->setArrowType(Qt::LeftArrow);
  back_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  back_->setEnabled(false);
  forward_ = new QToolButton(this);
  forward_->setObjectName("Forward");
  forward_->setText("前进");
  forward_->setArrowType(Qt::RightArrow);
  forward_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  forward_->setEnabled(false);
  auto* home = new QToolButton(this);
  home->setObjectName("Home");
  home->setText("首页");
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(home, &QToolButton::clicked, this, [this] { ShowPage("index.html"); });
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);

  findBox_ = new QLineEdit(this);
  findBox_->setObjectName("FindBox");
  findBox_->setPlaceholderText("查找");
  findBox_->setClearButtonEnabled(true);
  auto* findNext = new QPushButton("查找下一个", this);
  auto* findPrevious = new QPushButton("查找上一个", this);
  findStatus_ = new QLabel(this);
  // Room for the not-found note, so that the find box keeps its width when it appears.
  findStatus_->setMinimumWidth(findStatus_->fontMetrics().horizontalAdvance("找不到“查找的文字很长”"));
  connect(findBox_, &QLineEdit::returnPressed, this, [this] { FindNext(); });
  connect(findNext, &QPushButton::clicked, this, [this] { FindNext(); });
  connect(findPrevious, &QPushButton::clicked, this, [this] { FindNext(true); });
  auto* findShortcut = new QShortcut(QKeySequence::Find, this);
  connect(findShortcut, &QShortcut::activated, this, [this] {
    findBox_->setFocus();
    findBox_->selectAll();
  });
  auto* nextShortcut = new QShortcut(QKeySequence::FindNext, this);
  connect(nextShortcut, &QShortcut::activated, this, [this] { FindNext(); });

  auto* bar = new QHBoxLayout;
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addWidget(home);
  bar->addSpacing(24);
  bar->addWidget(findBox_, 1);
  bar->addWidget(findNext);
  bar->addWidget(findPrevious);
  bar->addWidget(findStatus_);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 700});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(splitter, 1);

  // A roomy window, wholly on the screen, in its middle.
  QSize size(960, 720);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    size = size.boundedTo(area.size() * 0.85);
    resize(size);
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
  } else {
    resize(size);
  }
}

QString HelpWindow::Page() const { return browser_->source().fileName(); }

void HelpWindow::ShowPage(const QString& page) {
  if (browser_->source() == PageUrl(page)) return;
  browser_->setSource(PageUrl(page));
}

// The browser's source() still names the previous page while sourceChanged is emitted, so
// the page is taken from the signal's address.
void HelpWindow::SyncContents(const QUrl& source) {
  const QString page = source.fileName();
  for (int i = 0; i < contents_->count(); ++i)
    if (contents_->item(i)->data(Qt::UserRole).toString() == page) contents_->setCurrentRow(i);
  findStatus_->clear();
}

bool HelpWindow::FindNext(bool backward) {
  const QString text = findBox_->text();
  findStatus_->clear();
  if (text.isEmpty()) return false;
  const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward
                                                  : QTextDocument::FindFlags();
  if (browser_->find(text, flags)) return true;
  // Wrap around: start again from the other end of the page. When the text is nowhere,
  // the reader keeps the place and the selection they had.
  const QTextCursor before = browser_->textCursor();
  const int scrolled = browser_->verticalScrollBar()->value();
  QTextCursor cursor = before;
  cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
  browser_->setTextCursor(cursor);
  if (browser_->find(text, flags)) return true;
  browser_->setTextCursor(before);
  browser_->verticalScrollBar()->setValue(scrolled);
  findStatus_->setText("找不到“" + text + "”");
  return false;
}

}  // namespace tessaly
