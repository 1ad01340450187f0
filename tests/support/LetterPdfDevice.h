#pragma once
// A printer device that prints into a Letter PDF at 600 dpi with a quarter-inch
// unprintable border all round: what the PDF tests of the drawn forms print on.

#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <memory>
#include <string>

#include "platform/qt/QtPrinterDevice.h"

inline std::unique_ptr<IPrinterDevice> LetterPdfDevice(const std::string& path) {
  auto device = std::make_unique<QtPrinterDevice>(false);
  device->Printer().setPageSize(QPageSize(QPageSize::Letter));
  device->SetPdfOutput(QString::fromStdString(path), 600, QMarginsF(18, 18, 18, 18));
  return device;
}
