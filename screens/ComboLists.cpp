#include "screens/ComboLists.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

#include "screens/FormCanvas.h"

namespace {

// Room an entry needs besides its text: the item's margins and the list's
// frame and scroll bar.
constexpr int kItemMargin = 4;

// Draws an entry word-wrapped in the list's width.
class WrappingDelegate final : public QStyledItemDelegate {
 public:
  explicit WrappingDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

  void SetWrapWidth(int width) { wrapWidth_ = width; }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect text =
        option.fontMetrics.boundingRect(QRect(0, 0, wrapWidth_ - 2 * kItemMargin, 1 << 20),
                                        Qt::TextWordWrap, index.data().toString());
    return QSize(wrapWidth_,
                 std::max(text.height(), option.fontMetrics.height()) + 2 * kItemMargin);
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    painter->save();
    painter->setPen(item.palette.color(QPalette::Normal, item.state & QStyle::State_Selected
                                                             ? QPalette::HighlightedText
                                                             : QPalette::Text));
    painter->drawText(option.rect.adjusted(kItemMargin, kItemMargin, -kItemMargin, -kItemMargin),
                      Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
  }

 private:
  int wrapWidth_ = 200;
};

class EntriesInFull final : public QObject {
 public:
  EntriesInFull(QComboBox* combo, bool wrap) : QObject(combo), combo_(combo) {
    if (wrap) {
      delegate_ = new WrappingDelegate(this);
      combo->view()->setItemDelegate(delegate_);
    }
    combo->installEventFilter(this);
    Fit();
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    // Before the list opens (a click, Alt+Down or F4), and whenever the type changes.
    const QEvent::Type type = event->type();
    if (type == QEvent::FontChange || type == QEvent::Show || type == QEvent::MouseButtonPress ||
        type == QEvent::KeyPress || type == QEvent::Resize) {
      Fit();
    }
    return false;
  }

 private:
  void Fit() {
    QAbstractItemView* view = combo_->view();
    const QFontMetrics metrics(combo_->font());
    int widest = 0;
    for (int i = 0; i < combo_->count(); ++i)
      widest = std::max(widest, metrics.horizontalAdvance(combo_->itemText(i)));
    const int chrome = 2 * kItemMargin + 2 * view->frameWidth() +
                       view->verticalScrollBar()->sizeHint().width() +
                       combo_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) * 2 + 4;
    int width = widest + chrome;
    const int room = DesktopWorkArea(*combo_).width();
    if (room > 0) width = std::min(width, room);
    if (delegate_)
      delegate_->SetWrapWidth(std::max(combo_->width(), width) - chrome + 2 * kItemMargin);
    view->setMinimumWidth(width);
  }

  QComboBox* combo_;
  WrappingDelegate* delegate_ = nullptr;
};

}  // namespace

void ShowEntriesInFull(QComboBox* combo, bool wrapLongEntries) {
  new EntriesInFull(combo, wrapLongEntries);
}
