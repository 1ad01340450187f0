#include "screens/LineEditField.h"

#include <QLineEdit>

#include "data/CodePage.h"

std::string LineEditField::Text() const { return Utf8ToCp1252(edit_->text().toStdString()); }

void LineEditField::SetFocus() {
  edit_->setFocus(Qt::OtherFocusReason);
  edit_->selectAll();
}
