#include "platform/qt/QtRecordText.h"

#include "platform/CodePage.h"

QString FromRecordText(std::string_view text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

std::string RecordText(const QString& text) { return Utf8ToCp1252(text.toStdString()); }
