#include "screens/ErrorReport.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/qt/QtRecordText.h"
#include "print/PrintReport.h"
#include "print/PrintTextReport.h"

namespace {

constexpr int kPanelHeight = 41;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

// A small printer: paper coming out of a grey body.
QIcon PrinterIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawRect(4, 1, 7, 6);
  p.setBrush(QColor(0xc0, 0xc0, 0xc0));
  p.drawRect(1, 6, 13, 6);
  p.setBrush(Qt::white);
  p.drawRect(4, 10, 7, 4);
  p.setPen(QColor(0x00, 0x80, 0x00));
  p.drawPoint(12, 8);
  return QIcon(pixmap);
}

}  // namespace

TFormErrorReport::TFormErrorReport(IPrinterDevice& printer, IPrinterSetupDialog& printerSetupDialog,
                                   FontDialog& fontDialog, QWidget* parent)
    : QDialog(parent),
      PrinterSetupDialog1(printerSetupDialog),
      FontDialog1(fontDialog),
      printer_(printer) {
  setWindowTitle(QStringLiteral("Error Report"));
  setObjectName(QStringLiteral("FormErrorReport"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(Memo1, 1);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::StyledPanel);
  Panel1->setFixedHeight(kPanelHeight);
  Panel1->installEventFilter(this);
  layout->addWidget(Panel1);

  const int buttonTop = (kPanelHeight - kButtonHeight) / 2;
  BitBtnPrint = new QPushButton(PrinterIcon(), QStringLiteral("Print"), Panel1);
  BitBtnPrint->setObjectName(QStringLiteral("BitBtnPrint"));
  BitBtnPrint->setGeometry(0, buttonTop, kButtonWidth, kButtonHeight);
  BitBtnClose = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                QStringLiteral("&Close"), Panel1);
  BitBtnClose->setObjectName(QStringLiteral("BitBtnClose"));
  BitBtnClose->setGeometry(0, buttonTop, kButtonWidth, kButtonHeight);
  connect(BitBtnPrint, &QPushButton::clicked, this, &TFormErrorReport::BitBtnPrintClick);
  connect(BitBtnClose, &QPushButton::clicked, this, &QDialog::accept);

  FontDialog1.SetFont(FirstPrintFont());
  resize(560, 400);
  FormResize();
}

void TFormErrorReport::ShowReport(const std::vector<std::string>& lines) {
  SetReportLines(lines);
  exec();
}

void TFormErrorReport::SetReportLines(const std::vector<std::string>& lines) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) texts << FromRecordText(line);
  Memo1->setPlainText(texts.join(QLatin1Char('\n')));
}

std::vector<std::string> TFormErrorReport::ReportLines() const {
  const QString text = Memo1->toPlainText();
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(RecordText(line));
  return lines;
}

void TFormErrorReport::FormResize() {
  const int middle = Panel1->width() / 2;
  BitBtnPrint->move(middle - 100, BitBtnPrint->y());
  BitBtnClose->move(middle + 25, BitBtnClose->y());
}

bool TFormErrorReport::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && event->type() == QEvent::Resize) FormResize();
  return QDialog::eventFilter(watched, event);
}

void TFormErrorReport::BitBtnPrintClick() {
  if (registry_) {
    PrintTextReportInLastFont(ReportLines(), printer_, PrinterSetupDialog1, FontDialog1, *registry_,
                              preview_);
  } else {
    PrintTextReport(ReportLines(), printer_, PrinterSetupDialog1, FontDialog1, preview_);
  }
}
