#include "app/qt/main_window.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <algorithm>
#include <vector>

#include "app/qt/edit_boxes.hpp"
#include "app/qt/gbk_text.hpp"
#include "app/qt/hyperlink.hpp"
#include "app/window_placement.hpp"

// Resources of a static library must be registered by hand, from the global namespace.
static void InitialiseResources() { Q_INIT_RESOURCE(strcrypt_gui); }

namespace strcrypt::app::qt {
namespace {

// The drop-down's rows are one pixel taller than the font's natural row.
class TallerRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 1);
  }
};

// Height of the control with its open list.
constexpr int kDropDownOpenHeight = 160;

QComboBox* CreateDropDown(const ControlDefinition& control, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setEditable(false);
  for (const std::string_view item : control.items) list->addItem(FromGbk(item));
  list->setCurrentIndex(0);
  list->setItemDelegate(new TallerRowDelegate(list));
  // A list that opens below the control, not over it, as far as 160 px below its top.
  list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  list->view()->setMaximumHeight(kDropDownOpenHeight - control.height);
  return list;
}

QLabel* CreateLabel(const ControlDefinition& control, QWidget* parent) {
  auto* label = new QLabel(FromGbk(control.text), parent);
  label->setAutoFillBackground(true);  // drawn on the face colour, as if on the window
  label->setBackgroundRole(QPalette::Window);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setWordWrap(false);
  label->setFocusPolicy(Qt::NoFocus);
  label->setTextInteractionFlags(Qt::NoTextInteraction);
  return label;
}

QPushButton* CreateButton(const ControlDefinition& control, QWidget* parent) {
  auto* button = new QPushButton(FromGbk(control.text), parent);
  button->setAutoDefault(false);  // Enter never clicks a button
  button->setDefault(false);
  return button;
}

}  // namespace

MainWindow::MainWindow(const WindowDefinition& definition, const QString& link_target,
                       Events events)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      definition_(definition),
      events_(std::move(events)) {
  InitialiseResources();
  setWindowTitle(FromGbk(definition.title));
  setWindowIcon(QIcon(QStringLiteral(":/strcrypt.svg")));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Window);
  setFixedSize(definition.outer_width, definition.outer_height);

  std::vector<std::pair<int, QWidget*>> tab_order;
  for (const ControlDefinition& control : definition.controls) {
    QWidget* widget = CreateControl(control, link_target);
    widget->setObjectName(
        QString::fromUtf8(control.name.data(), static_cast<qsizetype>(control.name.size())));
    widget->setGeometry(control.left, control.top, control.width, control.height);
    if (control.kind == ControlKind::kSingleLineEdit) GrowToOneTextLine(*widget);
    if (control.tab_place != 0) {
      widget->setFocusPolicy(Qt::StrongFocus);
      tab_order.emplace_back(control.tab_place, widget);
    } else {
      widget->setFocusPolicy(Qt::NoFocus);
    }
    widget->installEventFilter(this);
    controls_.emplace(std::string(control.name), widget);
  }
  std::sort(tab_order.begin(), tab_order.end());
  for (std::size_t i = 1; i < tab_order.size(); ++i) {
    setTabOrder(tab_order[i - 1].second, tab_order[i].second);
  }
  if (!tab_order.empty()) tab_order.front().second->setFocus(Qt::OtherFocusReason);
}

QWidget* MainWindow::CreateControl(const ControlDefinition& control, const QString& link_target) {
  switch (control.kind) {
    case ControlKind::kMultiLineEdit:
      return CreateMultiLineBox(control.read_only, this);
    case ControlKind::kSingleLineEdit:
      return CreateSingleLineBox(this);
    case ControlKind::kPushButton: {
      QPushButton* button = CreateButton(control, this);
      const std::uint32_t number = control.number;
      connect(button, &QPushButton::clicked, this, [this, number] {
        if (events_.control) events_.control(number, 0);
      });
      return button;
    }
    case ControlKind::kLabel:
      return CreateLabel(control, this);
    case ControlKind::kDropDownList:
      return CreateDropDown(control, this);
    case ControlKind::kHyperlink:
      return new Hyperlink(FromGbk(control.text), link_target, this);
  }
  return nullptr;
}

QWidget* MainWindow::Control(std::string_view name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

Text MainWindow::ReadText(std::string_view box) const { return ToGbkText(BoxText(*Control(box))); }

std::int32_t MainWindow::ReadSelection(std::string_view list) const {
  const auto* combo = qobject_cast<const QComboBox*>(Control(list));
  return combo == nullptr ? -1 : combo->currentIndex();
}

void MainWindow::WriteText(std::string_view box, const Text& text) {
  SetBoxText(*Control(box), FromGbk(text.View()));
}

void MainWindow::MoveToCentre() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const Point origin = CentredOrigin(screen.width(), screen.height(), definition_.outer_width,
                                     definition_.outer_height);
  move(screen.x() + origin.x, screen.y() + origin.y);
}

void MainWindow::ShowCentred() {
  MoveToCentre();
  show();
  activateWindow();
  raise();
}

void MainWindow::KeepOuterSize() {
  // The window manager adds its frame after the window is shown; the frame counts toward
  // the defined outer size, so the inside shrinks by it and the frame goes where centring
  // put the window.
  if (placing_ || !isVisible()) return;
  const QSize outer(definition_.outer_width, definition_.outer_height);
  const QSize frame = frameGeometry().size() - geometry().size();
  const QSize inside = outer - frame;
  if (size() == inside) return;
  placing_ = true;
  setFixedSize(inside);
  MoveToCentre();
  placing_ = false;
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
      KeepOuterSize();
      break;
    default:
      break;
  }
  return handled;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto modifiers =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
      close();  // the same request as the close box
      return true;
    }
    if (key->key() == Qt::Key_F1) return true;
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (events_.window) events_.window(1);  // the close request; nothing can refuse it
  event->accept();
  // Destroyed for the rest of the program: hidden at once, its widgets deleted once the
  // event that closed it has been handled.
  hide();
  const auto destroyed = events_.destroyed;
  events_ = {};
  deleteLater();
  if (destroyed) destroyed();
}

}  // namespace strcrypt::app::qt
