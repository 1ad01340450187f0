#include "screens/W2ScreenLayout.h"

#include <algorithm>
#include <array>

namespace {

// A component and the item it shows, or its own place when it shows none.
// A field may take fewer (or more) columns on the screen than its item's row
// says (`cols`), keeping its print position.
struct Component {
  std::string_view name;
  std::optional<W2Field> field;
  GridRect rect;
  W2Box box;
  double cols = 0;
};

constexpr Component Shows(std::string_view name, W2Field field, double cols = 0) {
  return {name, field, {}, W2Box::None, cols};
}

constexpr Component Own(std::string_view name, GridRect rect, W2Box box) {
  return {name, std::nullopt, rect, box};
}

// The fields of the screen in tab order, then the read-only labels and the
// button rows.
constexpr std::array kComponents = {
    Shows("EditControlNum", W2Field::ControlNum),
    Shows("CheckBoxVoid", W2Field::Void),
    Shows("MaskEditSocSecNum", W2Field::SocSecNum),
    Shows("EditFirstNameInitial", W2Field::FirstName),
    Shows("EditLastName", W2Field::LastName),
    // The address fields leave room for their labels.
    Shows("EditSuite", W2Field::Suite, 7),
    Shows("EditStreetPOB", W2Field::StreetPOB, 18),
    Shows("EditCity", W2Field::City, 25),
    Shows("ComboBoxAddrState", W2Field::AddrState, 16.5),
    Shows("MaskEditZip", W2Field::Zip, 9),
    Shows("EditPostCode", W2Field::PostCode),
    Shows("ComboBoxCountry", W2Field::Country),
    Shows("EditWages", W2Field::Wages),
    Shows("EditFedTax", W2Field::FedTax),
    Shows("EditSSWages", W2Field::SSWages),
    Shows("EditSSTax", W2Field::SSTax),
    Shows("EditMedWage", W2Field::MedWage),
    Shows("EditMedTax", W2Field::MedTax),
    Shows("EditSSTips", W2Field::SSTips),
    Shows("EditAllocTips", W2Field::AllocTips),
    Shows("EditAdvEIC", W2Field::AdvEIC),
    Shows("EditDepCare", W2Field::DepCare),
    Shows("EditNonQualPlans", W2Field::NonQualPlans),
    Shows("Edit12a_code", W2Field::Box12aCode),
    Shows("Edit12a_amount", W2Field::Box12aAmount),
    Shows("Edit12b_code", W2Field::Box12bCode),
    Shows("Edit12b_amount", W2Field::Box12bAmount),
    Shows("Edit12c_code", W2Field::Box12cCode),
    Shows("Edit12c_amount", W2Field::Box12cAmount),
    Shows("Edit12d_code", W2Field::Box12dCode),
    Shows("Edit12d_amount", W2Field::Box12dAmount),
    Shows("CheckBoxStatEmpl", W2Field::StatEmpl),
    Shows("CheckBoxRetirePlan", W2Field::RetirePlan),
    Shows("CheckBoxTPSickPay", W2Field::TPSickPay),
    Shows("Edit14a_label", W2Field::Box14aLabel),
    Shows("Edit14a_amount", W2Field::Box14aAmount),
    Shows("Edit14b_label", W2Field::Box14bLabel),
    Shows("Edit14b_amount", W2Field::Box14bAmount),
    Shows("Edit14c_label", W2Field::Box14cLabel),
    Shows("Edit14c_amount", W2Field::Box14cAmount),
    // The state drop-downs take the whole width before the state ID.
    Shows("ComboBoxST1State", W2Field::ST1State, 3.95),
    Shows("EditST1StateID", W2Field::ST1StateID),
    Shows("EditST1StateWage", W2Field::ST1StateWage),
    Shows("EditST1StateTax", W2Field::ST1StateTax),
    Shows("EditST1LocalWage", W2Field::ST1LocalWage),
    Shows("EditST1LocalTax", W2Field::ST1LocalTax),
    Shows("EditST1LocName", W2Field::ST1LocName),
    Shows("ComboBoxST2State", W2Field::ST2State, 3.95),
    Shows("EditST2StateID", W2Field::ST2StateID),
    Shows("EditST2StateWage", W2Field::ST2StateWage),
    Shows("EditST2StateTax", W2Field::ST2StateTax),
    Shows("EditST2LocalWage", W2Field::ST2LocalWage),
    Shows("EditST2LocalTax", W2Field::ST2LocalTax),
    Shows("EditST2LocName", W2Field::ST2LocName),
    Own("FrameFileNav1", GridRect{1, 28, 54, 2.5}, W2Box::None),
    Own("PanelButtons", GridRect{56, 28, 27, 2.5}, W2Box::None),
    // The read-only items: the tax year beside the titles, the employer block.
    Own("Label3", GridRect{37, 25.7, 9, 1.6}, W2Box::None),
    Shows("LabelEmployerID", W2Field::EmployerEIN),
    Shows("LabelEmployerName", W2Field::EmployerName),
    Shows("LabelEmployerAddress1", W2Field::EmployerSuite),
    Shows("LabelEmployerAddress2", W2Field::EmployerStreet),
    Shows("LabelEmployerAddress3", W2Field::EmployerTown),
    Shows("LabelEmployerAddress4", W2Field::EmployerState),
    // The caption of the foreign-address fields, under them in box f.
    Own("LabelForeign", GridRect{2, 19, 32, 1}, W2Box::F),
    // The labels of the address fields, each after its field.
    Own("LabelSuite", GridRect{9.3, 15, 5.5, 1}, W2Box::F),
    Own("LabelStreetPOB", GridRect{33.3, 15, 12, 1}, W2Box::F),
    Own("LabelCity", GridRect{27.3, 16, 6, 1}, W2Box::F),
    Own("LabelAddrState", GridRect{18.8, 17, 5, 1}, W2Box::F),
    Own("LabelZip", GridRect{33.3, 17, 8, 1}, W2Box::F),
};

const Component* Find(std::string_view name) {
  const auto it = std::find_if(kComponents.begin(), kComponents.end(),
                               [&](const Component& c) { return c.name == name; });
  return it == kComponents.end() ? nullptr : &*it;
}

}  // namespace

std::optional<W2Field> W2FieldOfComponent(std::string_view component) {
  const Component* c = Find(component);
  return c ? c->field : std::nullopt;
}

GridRect W2FieldRect(std::string_view component) {
  const Component* c = Find(component);
  if (!c) return GridRect{0, 0, 0, 0};
  if (!c->field) return c->rect;
  GridRect rect = W2CellRect(*c->field);
  if (c->cols > 0) rect.cols = c->cols;
  return rect;
}

std::optional<GridRect> W2FieldBox(std::string_view component) {
  const Component* c = Find(component);
  if (!c) return std::nullopt;
  return W2BoxRect(c->field ? W2Row(*c->field).box : c->box);
}

std::vector<std::string_view> W2FieldNames() {
  std::vector<std::string_view> names;
  names.reserve(kComponents.size());
  for (const Component& c : kComponents) names.push_back(c.name);
  return names;
}
