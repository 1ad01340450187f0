#include "screens/W2ScreenLayout.h"

#include <algorithm>
#include <array>
#include <utility>

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

// The entry fields that take fewer (or more) columns on the screen than
// their item's row: the address fields leave room for their labels, the
// state drop-downs take the whole width before the state ID.
constexpr std::pair<W2Field, double> kScreenCols[] = {
    {W2Field::Suite, 7},        {W2Field::StreetPOB, 18}, {W2Field::City, 25},
    {W2Field::AddrState, 16.5}, {W2Field::Zip, 9},        {W2Field::ST1State, 3.95},
    {W2Field::ST2State, 3.95},
};

// The screen's parts besides its entry fields: the button rows, the
// read-only labels.
constexpr std::array kOwnParts = {
    Own("FrameFileNav1", GridRect{1, 28, 50, 2.5}, W2Box::None),
    Own("PanelButtons", GridRect{51.5, 28, 31.5, 2.5}, W2Box::None),
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

// The entry fields of the W-2 table in tab order, then the screen's own parts.
const std::vector<Component>& Components() {
  static const std::vector<Component> components = [] {
    std::vector<Component> all;
    for (const W2LayoutRow& row : W2Layout()) {
      if (*row.widget == '\0') continue;
      double cols = 0;
      for (const auto& [field, screenCols] : kScreenCols) {
        if (field == row.field) cols = screenCols;
      }
      all.push_back(Shows(row.widget, row.field, cols));
    }
    all.insert(all.end(), kOwnParts.begin(), kOwnParts.end());
    return all;
  }();
  return components;
}

const Component* Find(std::string_view name) {
  const std::vector<Component>& components = Components();
  const auto it = std::find_if(components.begin(), components.end(),
                               [&](const Component& c) { return c.name == name; });
  return it == components.end() ? nullptr : &*it;
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
  for (const Component& c : Components()) names.push_back(c.name);
  return names;
}
