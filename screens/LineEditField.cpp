#include "screens/LineEditField.h"

#include <QLineEdit>

#include "platform/MessageBoxes.h"
#include "platform/qt/QtRecordText.h"

std::string LineEditField::Text() const { return RecordText(edit_->text()); }

void LineEditField::Reject(const std::string& message) {
  ShowMessage(message, MsgIcon::None);
  edit_->setFocus(Qt::OtherFocusReason);
  edit_->selectAll();
}
