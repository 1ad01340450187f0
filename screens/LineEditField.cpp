#include "screens/LineEditField.h"

#include <QLineEdit>

#include "platform/qt/QtRecordText.h"

std::string LineEditField::Text() const { return RecordText(edit_->text()); }

void LineEditField::SetFocus() {
  edit_->setFocus(Qt::OtherFocusReason);
  edit_->selectAll();
}
